#include "print/fit_to_page.h"

namespace tz {

namespace {
// a * b / c rounded to the nearest integer, for non-negative values.
int scaledRounded(long long a, long long b, long long c) {
    return static_cast<int>((2 * a * b + c) / (2 * c));
}
}  // namespace

PrintSize fitToPage(int w, int h, int W, int H) {
    if (w <= 0 || h <= 0 || W <= 0 || H <= 0) return {};
    const int width = scaledRounded(w, H, h);
    if (width < W) return {width, H};
    return {W, scaledRounded(h, W, w)};
}

}  // namespace tz
