#include "graphs/scale2d.h"

#include <algorithm>

namespace tz::graphs {

namespace {

int truncated(double v) {
    return static_cast<int>(v);
}

void place(Axes& a, int width, int height) {
    a.originX = a.marginLeft;
    a.originY = height - a.marginBottom;
    a.plotWidth = width - a.marginLeft - a.marginRight;
    a.plotHeight = height - a.marginTop - a.marginBottom;
    a.scaleX = static_cast<double>(a.plotWidth) / a.xMax;
}

}  // namespace

int xAxisEnd(const Curve& curve) {
    int m = curve.xs[9];
    if (curve.limiterShown) m = std::max(m, curve.limiterRpm);
    return axisEndRpm(m);
}

int roundedFloor(int smallest) {
    return std::max((smallest - 2) / 10 * 10, 0);
}

Axes scaleMapRows(const Curve& curve, int width, int height) {
    Axes a;
    a.marginLeft = 40;
    a.marginRight = 35;
    a.marginTop = 5;
    a.marginBottom = 15;
    a.xMax = xAxisEnd(curve);

    // Adjacent rows are raised far enough apart that they never cross.
    int rise = 0;
    for (int r = 1; r < 10; ++r)
        for (int c = 0; c < 10; ++c)
            rise = std::max(rise, truncated(curve.z[10 * r + c] - curve.z[10 * (r - 1) + c]));
    a.rowOffset = (rise + 12) / 5 * 5;

    int lo = truncated(curve.z[0]);
    int hi = lo;
    for (double v : curve.z) {
        lo = std::min(lo, truncated(v));
        hi = std::max(hi, truncated(v));
    }
    if (curve.baseShown) {
        lo = std::min(lo, curve.baseValue);
        hi = std::max(hi, curve.baseValue);
    }
    a.yMin = roundedFloor(lo);
    a.yMax = (hi + 5 + 4) / 5 * 5;

    int top = curve.baseShown ? 9 * a.rowOffset + curve.baseValue : 0;
    for (int c = 0; c < 10; ++c) top = std::max(top, 9 * a.rowOffset + truncated(curve.z[c]));
    a.yTop = (top + 5 + 4) / 5 * 5;

    place(a, width, height);
    a.scaleY = static_cast<double>(a.plotHeight) / (a.yTop - a.yMin);
    return a;
}

Axes scaleSingleCurve(const Curve& curve, int width, int height) {
    Axes a;
    a.marginLeft = 35;
    a.marginRight = 25;
    a.marginTop = 5;
    a.marginBottom = 15;
    a.xMax = xAxisEnd(curve);

    int hi = 0;
    for (int c = 0; c < 10; ++c) hi = std::max(hi, truncated(curve.z[c]));
    if (curve.baseShown) hi = std::max(hi, curve.baseValue);
    a.yMax = (hi + 2 + 4) / 5 * 5;

    int lo = a.yMax;
    for (int c = 0; c < 10; ++c) lo = std::min(lo, truncated(curve.z[c]));
    if (curve.baseShown) lo = std::min(lo, curve.baseValue);
    a.yMin = roundedFloor(lo);

    place(a, width, height);
    a.scaleY = static_cast<double>(a.plotHeight) / (a.yMax - a.yMin);
    return a;
}

bool valueLabelShown(int i, int s) {
    if (i == 0 || s >= 20) return true;
    if (s >= 10) return i % 2 == 0;
    if (s >= 5) return i % 4 == 0;
    if (s >= 2) return i % 10 == 0;
    if (s == 1) return i % 20 == 0;
    return false;
}

}  // namespace tz::graphs
