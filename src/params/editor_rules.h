// What the window's editors can show of an image, as a rule of its own: every
// value within the range its up/down allows, flags as 0 or 1, choices within
// their lists, the interlock and spark-before-lobe flags only for a special
// setup synchronised on one lobe, the lobes' second edges for the 48-2
// method, and the fixed zone patterns of the pilot-light and power-jet
// outputs. The window applies it by showing the image and reading it back
// from its controls; programs without a window (the command-line program)
// apply it where the window would read its controls.
#pragma once

#include "params/image.h"

namespace tz {

void ApplyEditorRules(Image& image);

}  // namespace tz
