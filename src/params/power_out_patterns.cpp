#include "params/power_out_patterns.h"

namespace tz {

std::optional<ZoneRows> fixedZoneRows(std::uint8_t mode) {
    if (mode == 2) return ZoneRows{14, 14, 14};  // pilot light: columns 1..3
    if (mode == 3) return ZoneRows{14, 12, 12};  // power jet: then columns 2, 3
    return std::nullopt;
}

}  // namespace tz
