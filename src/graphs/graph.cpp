#include "graphs/graph.h"

#include <algorithm>
#include <utility>

namespace tz::graphs {

namespace {

std::uint8_t clampedByte(double v) {
    return static_cast<std::uint8_t>(std::clamp(static_cast<int>(v), 0, 255));
}

// The first of the ten breakpoints whose midpoint with the next one lies
// above v, else the last.
int nearestBreakpoint(const std::array<int, 10>& points, int v) {
    for (int i = 0; i < 9; ++i)
        if (points[i] + points[i + 1] > 2 * v) return i;
    return 9;
}

}  // namespace

TGraph::TGraph(GraphHost& host, GraphSource source, std::string surface)
    : host_(host), source_(source), surface_(std::move(surface)) {}

void TGraph::setSize(int width, int height) {
    if (width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    dirtyFlags |= kRescale;
}

void TGraph::setHint(const std::string& text) {
    if (text == hint_) return;
    hint_ = text;
    host_.setHint(surface_, hint_);
}

void TGraph::setKeys(Keys keys) {
    if (keys.shift != mouse.keys.shift || keys.ctrl != mouse.keys.ctrl) dirtyFlags |= kRedraw;
    mouse.keys = keys;
}

void TGraph::mouseLeave() {
    mouse.inside = false;
    ClearHover();
}

void TGraph::mouseMove(Keys keys, int x, int y) {
    setKeys(keys);
    mouse.inside = true;
    if (x == mouse.x && y == mouse.y) return;
    mouse.x = x;
    mouse.y = y;
    MouseMoved();
}

void TGraph::mouseDown(MouseButton button, Keys keys, int x, int y) {
    if (button != MouseButton::Left) return;
    mouseMove(keys, x, y);
    MousePressed();
}

void TGraph::mouseUp(MouseButton button, Keys keys, int x, int y) {
    if (button != MouseButton::Left) return;
    mouseMove(keys, x, y);
    MouseReleased();
}

void TGraph::ClearHover() {
    if (mouse.hoverIndex == kNoPoint) return;
    mouse.hoverIndex = kNoPoint;
    setHint("");
    // A pending rescale stays pending.
    dirtyFlags |= kRedraw;
}

void TGraph::LoadFromImage() {
    const Image& image = host_.image();
    const bool map = source_ == GraphSource::AdvanceMap;
    curve.mode = map && image[field::TPS_MAPA] != 0 ? kMapRows : kSingleCurve;
    const int speeds = map ? field::RPM_ADV : field::SERVO_RPM;
    for (int c = 0; c < 10; ++c) curve.xs[c] = image[speeds + c] * 100;
    for (int c = 0; c < 10; ++c) {
        if (!map)
            curve.z[c] = image[field::SERVO_MV + c];
        else if (curve.mode == kSingleCurve)
            curve.z[c] = image[advanceCell(9, c)];
        else
            for (int r = 0; r < 10; ++r) curve.z[10 * r + c] = image[advanceCell(r, c)];
    }
    curve.baseShown = map;
    curve.baseValue = map ? image[field::BASE_ADV] : 0;
    curve.limiterShown = true;
    curve.limiterRpm = image[field::LIMITER_RPM] * 100;
    curve.labelScale = map ? 1.0 : 20.0;
    curve.valueAxisName = map ? "ADV" : "U";
    curve.rowAxisName = "TPS";
    curve.rowSuffix = "%";
    curve.colourMin = map ? 0 : -1;
    curve.colourMax = map ? 60 : -1;
    for (int r = 0; r < 10; ++r) curve.rowValues[r] = kTpsBreakpoints[r];
    live.redrawMask = 3;
    live.column = kNoPoint;
    live.row = 0;
    // The breakpoints may have moved: the next tick finds the live point
    // again even while the engine holds its speed.
    live.stale = true;
}

void TGraph::StoreToImage(bool commit) {
    Image image = host_.image();
    const bool map = source_ == GraphSource::AdvanceMap;
    const int speeds = map ? field::RPM_ADV : field::SERVO_RPM;
    for (int c = 0; c < 10; ++c) {
        image[speeds + c] = clampedByte(curve.xs[c] / 100);
        if (!map)
            image[field::SERVO_MV + c] = clampedByte(curve.z[c]);
        else if (curve.mode == kSingleCurve)
            image[advanceCell(9, c)] = clampedByte(curve.z[c]);
        else
            for (int r = 0; r < 10; ++r)
                image[advanceCell(r, c)] = clampedByte(curve.z[10 * r + c]);
    }
    if (map) image[field::BASE_ADV] = clampedByte(curve.baseValue);
    image[field::LIMITER_RPM] = clampedByte(curve.limiterRpm / 100);
    if (commit)
        host_.commitEdit(image);
    else
        host_.dragTo(image);
}

void TGraph::Refresh(bool commit) {
    StoreToImage(commit);
    LoadFromImage();
}

void TGraph::TrackLive(int rpm, int tps, bool tpsMap) {
    const bool rpmChanged = rpm != live.lastRpm;
    const bool tpsChanged = tps != live.lastTps;
    if (!rpmChanged && !tpsChanged && !live.stale) return;
    live.column = rpm == 0 ? kNoPoint : nearestBreakpoint(curve.xs, rpm);
    live.row = tpsMap ? nearestBreakpoint(curve.rowValues, tps) : 9;
    live.lastRpm = rpm;
    live.lastTps = tps;
    live.marker = true;
    if ((rpmChanged && (live.redrawMask & 1) != 0) || (tpsChanged && (live.redrawMask & 2) != 0) ||
        live.stale)
        dirtyFlags |= kRedraw;
    live.stale = false;
}

}  // namespace tz::graphs
