#include "params/power_out_patterns.h"

namespace tz {

std::optional<ZoneRows> fixedZoneRows(std::uint8_t mode) {
    if (mode == 2) return ZoneRows{14, 14, 14};  // pilot light: columns 1..3
    if (mode == 3) return ZoneRows{14, 12, 12};  // power jet: then columns 2, 3
    return std::nullopt;
}

void enterFixedZonePatterns(Image& image) {
    for (int n = 0; n < kPowerOutputs; ++n) {
        const std::optional<ZoneRows> rows = fixedZoneRows(image[powerOutMode(n)]);
        if (!rows) continue;
        for (int row = 0; row < 3; ++row) image[powerOutMap(n, row)] = (*rows)[row];
    }
}

}  // namespace tz
