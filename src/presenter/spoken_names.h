// The names screen readers give the window's controls, in the current
// language: a control the design names by parts (an edit box by its label, a
// map cell by its row and column headers) takes their captions, a button or
// box its own caption, anything else the tool tip of its hint. The arrows of
// an up/down say what they raise or lower.
#pragma once

#include <cstdint>

#include "controls/control_model.h"
#include "texts/language.h"

namespace tz::presenter {

// Names every control anew: after the caption fill, when the language changed.
void fillSpokenNames(ui::ControlModel& controls, texts::Language language);

// Names again only the controls whose name may have changed after the model's
// revision since: a changed caption renames its own control and those it
// names (an RPM box names its column's cells). Cheap enough for every tick.
void refreshSpokenNames(ui::ControlModel& controls, texts::Language language, std::uint32_t since);

}  // namespace tz::presenter
