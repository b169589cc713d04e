// The 2D graph's scaling, hit testing and mouse editing.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "graphs/graph2d.h"
#include "graphs/scale2d.h"

namespace tz::graphs {

namespace {

constexpr int kGrabRadius = 5;
constexpr double kMaxValue = 65535.0;
constexpr double kMaxRpm = 25500.0;

double clampedValue(double v) {
    return std::clamp(v, 0.0, kMaxValue);
}

}  // namespace

void TGraph2D::Rescale() {
    axes = mapRows() ? scaleMapRows(curve, width(), height())
                     : scaleSingleCurve(curve, width(), height());
}

Point TGraph2D::pointAt(int r, int index) const {
    int x = 0;
    int y = 0;
    if (index == kBasePoint) {
        y = curve.baseShown ? curve.baseValue - axes.yMin
                            : static_cast<int>(curve.value(r, 0) - axes.yMin);
    } else {
        const int column = std::min(index, 9);
        x = index == kEndPoint ? axes.xMax : curve.xs[index];
        y = static_cast<int>(curve.value(r, column) - axes.yMin);
    }
    if (mapRows()) y += (9 - r) * axes.rowOffset;
    return {static_cast<int>(axes.originX + x * axes.scaleX),
            static_cast<int>(axes.originY - y * axes.scaleY)};
}

int TGraph2D::limiterX() const {
    return static_cast<int>(axes.originX + curve.limiterRpm * axes.scaleX);
}

int TGraph2D::flagsOf(int r, int index) const {
    if (selection == nullptr || index < 0 || index > 9) return 0;
    return selection->flags(mapRows() ? r : 9, index);
}

void TGraph2D::BuildHitBoxes() {
    if (selection == nullptr) return;
    selection->ClearHitBoxes();
    for (int r = mapRows() ? 0 : 9; r < 10; ++r) {
        for (int c = 0; c < 10; ++c) {
            const Point p = pointAt(r, c);
            selection->cellRects[10 * r + c] = {p.x - 5, p.y - 5, p.x + 5, p.y + 5};
        }
    }
    selection->boundsWidth = width();
    selection->boundsHeight = height();
}

void TGraph2D::MouseMoved() {
    if (mouse.dragIndex != kNoPoint) {
        dragTo();
        return;
    }
    hoverSearch();
    if (selection != nullptr && selection->banding()) {
        selection->ExtendBand(mouse.x, mouse.y);
        dirtyFlags |= kRedraw;
    }
}

void TGraph2D::hoverSearch() {
    int nearestRow = mouse.hoverRow;
    int rowDistance = INT_MAX;
    int index = kNoPoint;
    int pointDistance = INT_MAX;
    const int firstIndex = curve.baseShown ? kBasePoint : 0;
    for (int r = mapRows() ? 0 : 9; r < 10; ++r) {
        for (int i = firstIndex; i <= 9; ++i) {
            const Point p = pointAt(r, i);
            const int dx = mouse.x - p.x;
            const int dy = mouse.y - p.y;
            const int d = static_cast<int>(std::sqrt(static_cast<double>(dx * dx + dy * dy)));
            if (mapRows() && d < rowDistance) {
                rowDistance = d;
                nearestRow = r;
            }
            if (std::abs(dx) <= kGrabRadius && std::abs(dy) <= kGrabRadius && d < pointDistance) {
                pointDistance = d;
                index = i;
                mouse.grabDX = dx;
                mouse.grabDY = dy;
            }
        }
    }
    if (index == kNoPoint && curve.limiterShown && std::abs(mouse.x - limiterX()) <= kGrabRadius) {
        index = kLimiterLine;
        mouse.grabDX = mouse.x - limiterX();
        mouse.grabDY = 0;
    }
    if (index == mouse.hoverIndex && nearestRow == mouse.hoverRow) return;
    // Hovering only highlights: the keyboard focus stays in the edit box the
    // user may be typing in.
    mouse.hoverIndex = index;
    mouse.hoverRow = nearestRow;
    dirtyFlags |= kRedraw;
}

void TGraph2D::addToReached(int row, int column, int delta) {
    const Keys keys = mouse.keys;
    if (!mapRows()) {
        for (int c = 0; c < 10; ++c)
            if (c == column || keys.shift) curve.z[c] = clampedValue(curve.z[c] + delta);
        return;
    }
    for (int r = 0; r < 10; ++r) {
        for (int c = 0; c < 10; ++c) {
            const bool reached = (c == column && (r == row || keys.ctrl)) ||
                                 (r == row && keys.shift) || (keys.ctrl && keys.shift);
            if (reached) curve.value(r, c) = clampedValue(curve.value(r, c) + delta);
        }
    }
}

void TGraph2D::dragTo() {
    if (mouse.skipNextMove) {
        mouse.skipNextMove = false;
        return;
    }
    // A graph too small to have a plot cannot turn pixels into values.
    if (axes.scaleX <= 0 || axes.scaleY <= 0) return;
    const double steps =
        std::floor((mouse.x - axes.originX - mouse.grabDX) / axes.scaleX * 0.01 + 0.5);
    const int rpm = static_cast<int>(std::clamp(steps * 100, 0.0, kMaxRpm));
    const int rowRaise = mapRows() ? (9 - mouse.dragRow) * axes.rowOffset : 0;
    const double units = -std::floor((mouse.y - axes.originY - mouse.grabDY) / axes.scaleY + 0.5);
    const int value = static_cast<int>(clampedValue(units + axes.yMin - rowRaise));

    const int index = mouse.dragIndex;
    if (index >= 0) {
        curve.xs[index] = rpm;
        addToReached(mouse.dragRow, index,
                     static_cast<int>(value - curve.value(mouse.dragRow, index)));
    } else if (index == kBasePoint) {
        curve.baseValue = value;
    } else {
        curve.limiterRpm = rpm;
    }

    const double oldScaleX = axes.scaleX;
    const double oldScaleY = axes.scaleY;
    Refresh(false);
    Rescale();
    // Keep the pointer on the dragged point when the axes were rescaled.
    const bool movedX = axes.scaleX != oldScaleX;
    const bool movedY = axes.scaleY != oldScaleY;
    if (movedX || movedY) {
        const int x =
            movedX ? static_cast<int>(axes.scaleX * rpm + axes.originX) + mouse.grabDX : mouse.x;
        const int y = !movedY                 ? mouse.y
                      : index == kLimiterLine ? mouse.y
                                              : pointAt(mouse.dragRow, index).y + mouse.grabDY;
        host().movePointer(surface(), x, y);
        mouse.skipNextMove = true;
    }
    dirtyFlags |= kRescale;
}

void TGraph2D::MousePressed() {
    if (!mouse.inside) return;
    if (mouse.hoverIndex == kNoPoint) {
        if (!servo() && selection != nullptr) {
            BuildHitBoxes();
            selection->StartBand(mouse.x, mouse.y, mouse.keys.shift, mouse.keys.ctrl);
        }
    } else {
        // Clicking a servo point hands its voltage box the keyboard focus.
        if (servo() && mouse.hoverIndex >= 0 && mouse.hoverIndex <= 9)
            host().focusControl("EditNapPriv" + std::to_string(mouse.hoverIndex + 1));
        mouse.dragIndex = mouse.hoverIndex;
        mouse.dragRow = mouse.hoverRow;
        // A pointer jump whose move event never came must not eat this
        // drag's first move.
        mouse.skipNextMove = false;
    }
    dirtyFlags |= kRedraw;
}

void TGraph2D::MouseReleased() {
    if (selection != nullptr && selection->banding()) {
        selection->FinishBand();
        dirtyFlags |= kRedraw;
        if (partnerSelection != nullptr) partnerSelection->CopyFrom(*selection);
    } else if (mouse.dragIndex != kNoPoint) {
        mouse.dragIndex = kNoPoint;
        dirtyFlags |= kRedraw;
        Refresh(true);
    }
}

bool TGraph2D::wheelTargets(int step) {
    if (mouse.hoverIndex != kNoPoint) {
        addToReached(mouse.hoverRow, mouse.hoverIndex, step);
        return true;
    }
    if (selection != nullptr && selection->state != editing::BandState::Empty) {
        for (int r = mapRows() ? 0 : 9; r < 10; ++r)
            for (int c = 0; c < 10; ++c)
                if (flagsOf(r, c) != 0) curve.value(r, c) = clampedValue(curve.value(r, c) + step);
        return true;
    }
    if (live.marker && live.column >= 0 && (!mapRows() || live.row >= 0)) {
        double& v = curve.value(live.row, live.column);
        v = clampedValue(v + step);
        return true;
    }
    return false;
}

void TGraph2D::Wheel(int delta, bool& handled) {
    if (!wheelTargets(delta >= 1 ? 1 : -1)) return;
    dirtyFlags |= kRescale;
    handled = true;
    Refresh(true);
}

std::string TGraph2D::statusText() const {
    if (!mapRows()) return "";
    const bool dragging = mouse.dragIndex != kNoPoint;
    const int index = dragging ? mouse.dragIndex : mouse.hoverIndex;
    if (index == kNoPoint) return "";
    const char* move = dragging ? " (move)" : "";
    char text[96];
    if (index >= 0) {
        std::snprintf(text, sizeof text, "  rpm=%i; advance=%i\u00B0%s", curve.xs[index],
                      static_cast<int>(curve.value(mouse.hoverRow, index)), move);
    } else if (index == kBasePoint) {
        std::snprintf(text, sizeof text, "  BASE advance=%i\u00B0%s", curve.baseValue, move);
    } else {
        std::snprintf(text, sizeof text, "  Limiter=%i%s", curve.limiterRpm, move);
    }
    return text;
}

std::string TGraph2D::dragLabel() const {
    const int index = mouse.dragIndex;
    if (index == kNoPoint) return "";
    if (index == kLimiterLine) return std::to_string(curve.limiterRpm) + " rpm";
    const int rpm = index >= 0 ? curve.xs[index] : 0;
    const double value =
        index >= 0 ? curve.value(mouse.dragRow, index) * curve.labelScale : curve.baseValue;
    std::string label = std::to_string(rpm) + " rpm";
    if (mapRows() && index >= 0)
        label += "  " + std::to_string(curve.rowValues[mouse.dragRow]) + " %";
    label += "  " + std::to_string(static_cast<int>(value));
    label += servo() ? " mV" : "\u00B0";
    return label;
}

}  // namespace tz::graphs
