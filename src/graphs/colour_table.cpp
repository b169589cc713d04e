#include "graphs/colour_table.h"

#include <cmath>

namespace tz::graphs {

namespace {

constexpr std::array<int, 7> kStops = {0, 15, 25, 32, 40, 52, 61};
constexpr std::array<Rgb, 7> kStopColours = {rgb(0x550000), rgb(0xFF0000), rgb(0x00FF00),
                                             rgb(0x00FFFF), rgb(0x00CCCC), rgb(0x0000FF),
                                             rgb(0xFF00FF)};

std::uint8_t blend(std::uint8_t a, std::uint8_t b, double f) {
    return static_cast<std::uint8_t>(std::floor(a * (1 - f) + b * f));
}

}  // namespace

ColourTable buildColourTable() {
    ColourTable table{};
    for (std::size_t s = 0; s + 1 < kStops.size(); ++s) {
        const Rgb from = kStopColours[s];
        const Rgb to = kStopColours[s + 1];
        for (int k = kStops[s]; k < kStops[s + 1]; ++k) {
            const double f =
                static_cast<double>(k - kStops[s]) / static_cast<double>(kStops[s + 1] - kStops[s]);
            table[static_cast<std::size_t>(k)] = {blend(from.r, to.r, f), blend(from.g, to.g, f),
                                                  blend(from.b, to.b, f)};
        }
    }
    return table;
}

int colourIndex(double w, double cMin, double cMax) {
    const double scaled = std::floor((w - cMin) / (cMax - cMin) * kColourEntries);
    if (!(scaled >= 0)) return 0;
    if (scaled >= kColourEntries) return kColourEntries - 1;
    return static_cast<int>(scaled);
}

}  // namespace tz::graphs
