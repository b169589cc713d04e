// The settings check's findings as the user reads them, in the window's or
// the command-line program's language.
#pragma once

#include <string>

#include "editing/settings_check.h"
#include "params/image.h"
#include "texts/language.h"

namespace tz::session {

// One line: the place as the user counts it, the values and why they
// matter. Settings are named as the window names them (`image` gives the
// names their context).
std::string findingText(const editing::SettingsFinding& finding, const editing::CheckLimits& limits,
                        texts::Language language, const Image& image);

}  // namespace tz::session
