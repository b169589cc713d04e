// The 3D graph's projection, view state and mouse handling.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "graphs/graph3d.h"
#include "graphs/scale2d.h"

namespace tz::graphs {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kRotating = 1;

// Radians of an angle bar position.
double radians(int position) {
    return position * kPi / 36;
}

// Turns the pair (a, b) by the angle: one step of the rotation.
void turn(double& a, double& b, double angle) {
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const double oldA = a;
    a = c * oldA - s * b;
    b = s * oldA + c * b;
}

double wrapped(double angle) {
    while (angle > kPi) angle -= 2 * kPi;
    while (angle < -kPi) angle += 2 * kPi;
    return angle;
}

}  // namespace

TGraph3D::TGraph3D(GraphHost& host, std::string surface, std::string legendSurface)
    : TGraph(host, GraphSource::AdvanceMap, std::move(surface)),
      legendSurface_(std::move(legendSurface)),
      colourTable_(buildColourTable()) {}

void TGraph3D::Rescale() {
    Axes a;
    a.marginLeft = 20;
    a.marginRight = 20;
    a.marginTop = 10;
    a.marginBottom = 10;
    a.plotWidth = width() - 40;
    a.plotHeight = height() - 20;
    // A surface of no height has no shape to keep.
    aspect = height() > 0 ? static_cast<double>(width()) / height() : 1.0;

    rotation = {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
    for (auto& row : rotation) {
        turn(row[1], row[2], radians(angleBars_[0]));
        turn(row[0], row[2], radians(angleBars_[1]));
        turn(row[0], row[1], radians(angleBars_[2]));
    }

    a.xMax = axisEndRpm(curve.xs[9]);
    int lo = 65535;
    int hi = 0;
    const int cells = curve.mode == kMapRows ? 100 : 10;
    for (int i = 0; i < cells; ++i) {
        lo = std::min(lo, static_cast<int>(curve.z[i]));
        hi = std::max(hi, static_cast<int>(curve.z[i]));
    }
    if (curve.baseShown) {
        lo = std::min(lo, curve.baseValue);
        hi = std::max(hi, curve.baseValue);
    }
    a.yMax = (hi + 5 + 4) / 5 * 5;
    a.yMin = roundedFloor(lo);
    tpsAxisLength = 9;

    std::array<double, 3> negative{};
    for (int k = 0; k < 3; ++k) {
        double sum = 0;
        for (double v : rotation[k]) sum += std::abs(v);
        for (int j = 0; j < 3; ++j) {
            projection[k][j] = rotation[k][j] / sum;
            if (projection[k][j] < 0) negative[k] -= projection[k][j];
        }
    }
    a.scaleX = static_cast<double>(a.plotHeight) / a.xMax;
    a.scaleY = static_cast<double>(a.plotHeight) / (a.yMax - a.yMin);
    scaleT = static_cast<double>(a.plotHeight) / tpsAxisLength;
    a.originX = static_cast<int>(a.marginLeft + negative[0] * a.plotWidth / aspect);
    a.originY = static_cast<int>(height() - a.marginBottom - negative[1] * a.plotHeight);
    for (auto& row : projection) {
        row[0] *= a.scaleX;
        row[1] *= a.scaleY;
        row[2] *= scaleT;
    }
    axes = a;

    // Nearly square views are drawn unstretched.
    aspect *= 0.95;
    if (aspect > 0.94 && aspect < 1.06) aspect = 1.0;
}

ScreenPoint TGraph3D::Project(double x, double v, double t) const {
    const Matrix3& p = projection;
    return {(axes.originX + p[0][0] * x + p[0][1] * v + p[0][2] * t) * aspect,
            axes.originY - (p[1][0] * x + p[1][1] * v + p[1][2] * t),
            p[2][0] * x + p[2][1] * v + p[2][2] * t};
}

std::pair<int, int> TGraph3D::colourRange() const {
    if (curve.colourMin == -1 || curve.colourMax == -1) return {axes.yMin, axes.yMax};
    return {curve.colourMin, curve.colourMax};
}

Rgb TGraph3D::colourOf(double w) const {
    const auto [lo, hi] = colourRange();
    return colourTable_[static_cast<std::size_t>(colourIndex(w, lo, hi))];
}

void TGraph3D::setAngleBars(const AngleBars& positions) {
    for (std::size_t i = 0; i < 3; ++i)
        angleBars_[i] = std::clamp(positions[i], kAngleBarMin, kAngleBarMax);
    dirtyFlags |= kRescale;
}

void TGraph3D::setFill(bool fill, bool heightColours) {
    fill_ = fill;
    heightColours_ = heightColours;
    dirtyFlags |= kRedraw;
}

std::optional<int> TGraph3D::liveValue() const {
    if (!live.marker || live.column < 0 || live.column > 9 || live.row < 0 || live.row > 9)
        return std::nullopt;
    return static_cast<int>(curve.value(live.row, live.column));
}

void TGraph3D::MousePressed() {
    grabX_ = mouse.x;
    grabY_ = mouse.y;
    for (std::size_t i = 0; i < 3; ++i) dragStartAngles_[i] = radians(angleBars_[i]);
    mouse.dragIndex = kRotating;
}

void TGraph3D::MouseMoved() {
    if (mouse.dragIndex != kRotating) return;
    // 36 pixels of travel turn the view by one radian: vertical travel
    // about X, horizontal travel about Y.
    const std::array<double, 3> angles = {dragStartAngles_[0] + (grabY_ - mouse.y) / 36.0,
                                          dragStartAngles_[1] + (mouse.x - grabX_) / 36.0,
                                          dragStartAngles_[2]};
    AngleBars bars{};
    for (std::size_t i = 0; i < 3; ++i) bars[i] = static_cast<int>(wrapped(angles[i]) * 36 / kPi);
    setAngleBars(bars);
    host().setAngleBars(angleBars_);
}

void TGraph3D::MouseReleased() {
    mouse.dragIndex = 0;
}

void TGraph3D::Wheel(int delta, bool& handled) {
    if (!mouse.inside || curve.mode == 0) return;
    if (live.column < 0 || live.column > 9 || live.row < 0 || live.row > 9) return;
    double& v = curve.value(live.row, live.column);
    v = std::clamp(static_cast<int>(v) + (delta > 0 ? 1 : -1), 0, 65535);
    dirtyFlags |= kRescale;
    handled = true;
    Refresh(true);
}

}  // namespace tz::graphs
