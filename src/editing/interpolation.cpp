#include "editing/interpolation.h"

#include <algorithm>
#include <cmath>

namespace tz::editing {

namespace {

// Where v lies between a and b, or halfway when they are equal.
double fraction(double v, double a, double b) {
    return a == b ? 0.5 : (v - a) / (b - a);
}

}  // namespace

InterpolationResult interpolateSelection(const TSelcell& selection, Image& image) {
    if (!selection.hasRectangle()) return InterpolationResult::NoRectangle;
    const int c0 = selection.rectFirstCol;
    const int c1 = selection.rectLastCol;
    const int r0 = selection.rectFirstRow;
    const int r1 = selection.rectLastRow;
    auto cell = [&](int r, int c) { return static_cast<double>(image[advanceCell(r, c)]); };
    auto rpm = [&](int c) { return static_cast<double>(image[field::RPM_ADV + c]); };
    const double a = cell(r0, c0);
    const double b = cell(r0, c1);
    const double cc = cell(r1, c0);
    const double d = cell(r1, c1);

    for (int r = r0; r <= r1; ++r) {
        const double s = fraction(r, r0, r1);
        for (int c = c0; c <= c1; ++c) {
            const double t = fraction(rpm(c), rpm(c0), rpm(c1));
            const double v = t * (s * d + (1 - s) * b) + (1 - t) * (s * cc + (1 - s) * a);
            image[advanceCell(r, c)] =
                static_cast<std::uint8_t>(std::clamp(std::floor(v + 0.5), 0.0, 255.0));
        }
    }
    return InterpolationResult::Interpolated;
}

}  // namespace tz::editing
