// Names that screen readers give controls of the window whose captions and
// labels do not name them.
#pragma once

#include <span>
#include <string_view>

#include "texts/language.h"

namespace tz::texts {

// A control named by a text of its own, by its design name.
struct SpokenNameRow {
    std::string_view target;
    Translations text;
};

std::span<const SpokenNameRow> spokenNames();

// The words before the name of an up/down's or a spin button's arrows.
const Translations& increaseWord();
const Translations& decreaseWord();

}  // namespace tz::texts
