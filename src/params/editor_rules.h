// What the window's editors can show of an image, as a rule of its own: every
// value within the range its up/down allows, flags as 0 or 1, choices within
// their lists, the interlock and spark-before-lobe flags only for a special
// setup synchronised on one lobe, the lobes' second edges for the 48-2
// method, and the fixed zone patterns of the pilot-light and power-jet
// outputs. It is the first half of ParamState::repair(), which the window,
// the command-line program and the simulator all use.
#pragma once

#include "params/image.h"

namespace tz {

void ApplyEditorRules(Image& image);

}  // namespace tz
