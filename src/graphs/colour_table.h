// The height colour ramp of the 3D graph: 61 entries from dark red through
// red, green, cyan and blue towards magenta.
#pragma once

#include <array>

#include "canvas/canvas.h"

namespace tz::graphs {

inline constexpr int kColourEntries = 61;
using ColourTable = std::array<Rgb, kColourEntries>;

ColourTable buildColourTable();

// The ramp entry of value w in the range cMin..cMax (cMax > cMin); values
// outside the range take the first or last entry.
int colourIndex(double w, double cMin, double cMax);

}  // namespace tz::graphs
