// The fixed zone patterns of the power outputs' pilot-light and power-jet
// modes. The Power Out page shows them in its zone check boxes, and the
// editor rules enter them into the image (editor_rules.h), so every image
// that the window programs or saves carries them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "params/image.h"

namespace tz {

using ZoneRows = std::array<std::uint8_t, 3>;

// Zone rows 0..2 (bit c set = column c on) of a mode with a fixed pattern;
// nothing for the modes whose zones are unused (0, 1) or free (4).
std::optional<ZoneRows> fixedZoneRows(std::uint8_t mode);

}  // namespace tz
