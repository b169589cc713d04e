#include "canvas/contrast.h"

#include <algorithm>
#include <cmath>

namespace tz::graphs {
namespace {

double linear(std::uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

std::uint8_t mixed(std::uint8_t from, std::uint8_t to, double share) {
    return static_cast<std::uint8_t>(std::lround(from + (to - from) * share));
}

Rgb mix(Rgb from, Rgb to, double share) {
    return {mixed(from.r, to.r, share), mixed(from.g, to.g, share), mixed(from.b, to.b, share)};
}

}  // namespace

double relativeLuminance(Rgb colour) {
    return 0.2126 * linear(colour.r) + 0.7152 * linear(colour.g) + 0.0722 * linear(colour.b);
}

double contrastRatio(Rgb a, Rgb b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb readableOn(Rgb wanted, Rgb background, double minimum) {
    if (contrastRatio(wanted, background) >= minimum) return wanted;
    const Rgb end =
        contrastRatio(colour::kWhite, background) >= contrastRatio(colour::kBlack, background)
            ? colour::kWhite
            : colour::kBlack;
    constexpr int kSteps = 20;
    for (int step = 1; step < kSteps; ++step) {
        const Rgb candidate = mix(wanted, end, static_cast<double>(step) / kSteps);
        if (contrastRatio(candidate, background) >= minimum) return candidate;
    }
    return end;
}

}  // namespace tz::graphs
