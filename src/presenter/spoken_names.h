// The names screen readers give the window's controls, in the current
// language: a control the design names by parts (an edit box by its label, a
// map cell by its row and column headers) takes their captions, a button or
// box its own caption, anything else the tool tip of its hint. The arrows of
// an up/down say what they raise or lower.
#pragma once

#include "controls/control_model.h"
#include "texts/language.h"

namespace tz::presenter {

// Updates every control whose name changed: after the caption fill and
// whenever a caption that names another control may have changed (an RPM box
// names its column's cells).
void fillSpokenNames(ui::ControlModel& controls, texts::Language language);

}  // namespace tz::presenter
