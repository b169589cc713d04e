// Painting the 2D graph: plot area, grid, labels, axes, the rubber band,
// the live speed, the curves with their points and marks, the limiter.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "graphs/graph2d.h"
#include "graphs/scale2d.h"

namespace tz::graphs {

namespace {

using namespace colour;

constexpr Rgb kTooltip = rgb(0xFFFFE1);

std::string valueLabel(double v, double labelScale) {
    char text[32];
    std::snprintf(text, sizeof text, labelScale < 1 ? "%.1f" : "%.0f", v * labelScale);
    return text;
}

// Pixel row of a value height (units above yMin) on a scale, rounded.
int heightY(const Axes& a, double units) {
    return static_cast<int>(a.originY - std::floor(units * a.scaleY + 0.5));
}

void strokeStep(Canvas& canvas, Point p, Point q) {
    canvas.line(p.x, p.y, q.x, p.y);
    canvas.line(p.x, p.y - 1, q.x, p.y - 1);
    canvas.line(q.x, p.y, q.x, q.y);
    canvas.line(q.x - 1, p.y, q.x - 1, q.y);
}

void strokeThick(Canvas& canvas, Point p, Point q) {
    canvas.line(p.x, p.y, q.x, q.y);
    canvas.line(p.x, p.y - 1, q.x, q.y - 1);
    canvas.line(p.x - 1, p.y - 1, q.x - 1, q.y - 1);
    canvas.line(p.x + 1, p.y - 1, q.x + 1, q.y - 1);
}

IntRect around(Point p, int d) {
    return {p.x - d, p.y - d, p.x + d, p.y + d};
}

}  // namespace

void TGraph2D::Draw(Canvas& canvas) {
    canvas.setClip({0, 0, width(), height()});
    canvas.setPen(background);
    canvas.setBrush(background);
    canvas.rectangle({0, 0, width(), height()});
    if (mapRows())
        drawMapRows(canvas);
    else
        drawSingleCurve(canvas);
    drawDragLabel(canvas);
}

// A small box beside the pointer, above and to the right of it where there
// is room, else moved into the graph.
void TGraph2D::drawDragLabel(Canvas& canvas) {
    const std::string text = dragLabel();
    if (text.empty()) return;
    constexpr int kPad = 4;
    constexpr int kGap = 14;
    const int w = canvas.textWidth(text) + 2 * kPad;
    const int h = canvas.textHeight(text) + kPad;
    int x = mouse.x + kGap;
    if (x + w > width()) x = mouse.x - kGap - w;
    int y = mouse.y - kGap - h;
    if (y < 0) y = mouse.y + kGap;
    x = std::clamp(x, 0, std::max(width() - w, 0));
    y = std::clamp(y, 0, std::max(height() - h, 0));
    canvas.setPen(kBlack);
    canvas.setBrush(kTooltip);
    canvas.rectangle({x, y, x + w, y + h});
    canvas.textOut(x + kPad, y + kPad / 2, text);
}

void TGraph2D::drawGrid(Canvas& canvas, Rgb pen, int horizontalLines) {
    const Axes& a = axes;
    const int plotTop = a.originY - a.plotHeight;
    canvas.setPen(pen);
    for (int k = 1; k <= a.xMax / 1000; ++k) {
        const int x = a.originX + static_cast<int>(std::floor(k * 1000 * a.scaleX + 0.5));
        canvas.line(x, a.originY + 3, x, plotTop);
    }
    for (int k = 1; k <= horizontalLines; ++k) {
        const int y = heightY(a, k * 5);
        canvas.line(a.originX - 3, y, a.originX + a.plotWidth, y);
    }
}

void TGraph2D::drawXLabels(Canvas& canvas) {
    const Axes& a = axes;
    canvas.setPen(kGrey);
    canvas.setBrushStyle(BrushStyle::Clear);
    for (int k = 0; k <= a.xMax / 1000; ++k) {
        if (a.xMax >= 15000 && k % 2 != 0) continue;
        const int x = a.originX + static_cast<int>(std::floor(k * 1000 * a.scaleX + 0.5));
        canvas.textOut(x - 7, a.originY + 2, std::to_string(k) + "k");
    }
}

// The two-pixel axes, the rubber band and the live speed line.
void TGraph2D::drawAxesAndBand(Canvas& canvas) {
    const Axes& a = axes;
    const int plotTop = a.originY - a.plotHeight;
    canvas.setBrush(background);
    canvas.setPen(kBlack);
    canvas.line(a.originX, a.originY, a.originX, plotTop - 1);
    canvas.line(a.originX - 1, a.originY, a.originX - 1, plotTop - 1);
    canvas.line(a.originX, a.originY, a.originX + a.plotWidth, a.originY);
    canvas.line(a.originX, a.originY + 1, a.originX + a.plotWidth, a.originY + 1);
    if (selection != nullptr && selection->banding()) {
        canvas.setPen(kRed);
        canvas.frameRect(selection->band());
    }
    if (live.lastRpm > 0) {
        const int x = static_cast<int>(a.originX + live.lastRpm * a.scaleX);
        canvas.setPen(kLime);
        canvas.line(x, a.originY, x, plotTop);
    }
}

void TGraph2D::drawCurve(Canvas& canvas, int r, Rgb pen, Rgb fill) {
    // a. Segments from the base point (or 0 rpm) to the end of the axis.
    Point previous = pointAt(r, kBasePoint);
    for (int i = 0; i <= kEndPoint; ++i) {
        const Point p = pointAt(r, i);
        Rgb segment = pen;
        const int fa = i >= 1 && i <= 9 ? flagsOf(r, i - 1) : 0;
        const int fb = i >= 1 && i <= 9 ? flagsOf(r, i) : 0;
        if (fa != 0 && fb != 0) {
            const bool inA = (fa & editing::kCellInBand) != 0;
            const bool inB = (fb & editing::kCellInBand) != 0;
            if (inA && inB)
                segment = ((fa | fb) & editing::kCellSelected) != 0 ? kYellow : kRed;
            else if (!inA && !inB)
                segment = kBlue;
        }
        canvas.setPen(segment);
        if (i == 0)
            strokeStep(canvas, previous, p);
        else
            strokeThick(canvas, previous, p);
        previous = p;
    }

    // b. Points, framed when selected, circled when live.
    const int first = curve.baseShown ? kBasePoint : 0;
    for (int i = first; i <= 9; ++i) {
        const Point p = pointAt(r, i);
        const int f = flagsOf(r, i);
        Rgb pointPen = pen;
        Rgb pointFill = fill;
        if (f != 0) {
            if ((f & editing::kCellInBand) != 0) {
                pointPen = kRed;
                pointFill = (f & editing::kCellSelected) != 0 ? kYellow : kRed;
            } else {
                pointPen = kBlue;
                pointFill = (f & editing::kCellCorner) != 0 ? kDarkGreen : kBlue;
            }
        }
        canvas.setPen(pointPen);
        canvas.setBrush(pointFill);
        canvas.roundRect(around(p, 3), 3);
        if (f != 0) canvas.roundRect(around(p, 5), 5);
        const bool liveRow = !mapRows() || live.row == r;
        if (live.marker && live.column == i && liveRow) {
            canvas.setPen(kLime);
            canvas.setBrushStyle(BrushStyle::Clear);
            canvas.ellipse(around(p, 7));
            canvas.ellipse(around(p, 8));
        }
    }

    // c. Marks of the hovered or dragged point, with Shift its row, with
    // Ctrl its column.
    const bool dragging = mouse.dragIndex != kNoPoint;
    const int t = dragging ? mouse.dragIndex : mouse.hoverIndex;
    const int tr = dragging ? mouse.dragRow : mouse.hoverRow;
    canvas.setPen(dragging ? kBlue : kRed);
    for (int i = first; i <= 9; ++i) {
        const bool marked = i == t || (i >= 0 && mouse.keys.shift && t >= 0);
        const bool inRow = !mapRows() || r == tr || mouse.keys.ctrl || i == kBasePoint;
        if (!marked || !inRow) continue;
        const Point p = pointAt(r, i);
        canvas.frameRect({p.x - 5, p.y - 5, p.x + 4, p.y + 4});
    }
}

void TGraph2D::drawLimiterMark(Canvas& canvas) {
    const bool dragged = mouse.dragIndex == kLimiterLine;
    if (!dragged && mouse.hoverIndex != kLimiterLine) return;
    const int x = limiterX();
    const int plotTop = axes.originY - axes.plotHeight;
    canvas.setPen(dragged ? kBlue : kRed);
    canvas.line(x, axes.originY, x, plotTop);
    canvas.line(x + 1, axes.originY, x + 1, plotTop);
}

void TGraph2D::drawMapRows(Canvas& canvas) {
    if ((dirtyFlags & kRescale) != 0) Rescale();
    const Axes& a = axes;
    const int plotTop = a.originY - a.plotHeight;
    const int plotRight = a.originX + a.plotWidth;

    canvas.setPen(kCream);
    canvas.setBrush(kCream);
    canvas.rectangle({a.originX, plotTop, plotRight, a.originY});

    // The band of the hover row, from its zero up over the value range.
    const int hoverRaise = (9 - mouse.hoverRow) * a.rowOffset;
    const int yb = static_cast<int>(a.originY - std::floor(hoverRaise * a.scaleY + 0.5 - 1));
    const int yt =
        std::max(static_cast<int>(yb - std::floor((a.yMax - a.yMin) * a.scaleY)), plotTop);
    canvas.setBrush(kWhite);
    canvas.fillRect({a.originX, yt, plotRight, yb});

    if (curve.limiterShown && limiterX() < plotRight) {
        canvas.setBrush(kLightGrey);
        canvas.fillRect({limiterX(), plotTop, plotRight, a.originY});
    }

    drawGrid(canvas, kSilver, a.yTop / 5);
    canvas.line(a.originX - 3, yb, plotRight, yb);
    drawXLabels(canvas);

    // Value labels of the hover row on the right.
    const int s = static_cast<int>(5 * a.scaleY);
    for (int i = 0; i <= (a.yTop - hoverRaise) / 5; ++i) {
        if (i > (a.yMax - a.yMin) / 5) continue;
        if (!valueLabelShown(i, s)) continue;
        const int y = heightY(a, 5 * i + hoverRaise);
        canvas.textOut(plotRight + 5, y - 8, valueLabel(a.yMin + 5 * i, curve.labelScale));
    }

    drawAxesAndBand(canvas);

    for (int r = 0; r < 10; ++r) {
        const bool hovered = r == mouse.hoverRow;
        drawCurve(canvas, r, hovered ? kRed : kGrey, hovered ? kYellow : kGrey);
        // d. The row's throttle label left of the axis, at its first point.
        const std::string label = std::to_string(curve.rowValues[r]) + curve.rowSuffix;
        const Point first = pointAt(r, curve.baseShown ? kBasePoint : 0);
        canvas.setBrush(live.marker && live.row == r ? kLime : background);
        canvas.textOut(a.originX - canvas.textWidth(label) - 5, first.y - 6, label);
    }

    drawLimiterMark(canvas);
    setHint(statusText());
}

void TGraph2D::drawSingleCurve(Canvas& canvas) {
    if ((dirtyFlags & kRescale) != 0) Rescale();
    const Axes& a = axes;
    const int plotTop = a.originY - a.plotHeight;
    const int plotRight = a.originX + a.plotWidth;

    canvas.setPen(kWhite);
    canvas.setBrush(kWhite);
    canvas.rectangle({a.originX, plotTop, plotRight, a.originY});
    if (curve.limiterShown && limiterX() < plotRight) {
        canvas.setBrush(kLightGrey);
        canvas.fillRect({limiterX(), plotTop, plotRight, a.originY});
    }

    drawGrid(canvas, kGrey, a.yMax / 5);
    drawXLabels(canvas);

    // Value labels on the left.
    for (int i = 0; i <= a.yMax / 5; ++i) {
        if (a.yMax >= 40 && i % 2 != 0) continue;
        const std::string label = valueLabel(5 * i + a.yMin, curve.labelScale);
        canvas.textOut(a.originX - canvas.textWidth(label) - 5, heightY(a, i * 5) - 8, label);
    }

    drawAxesAndBand(canvas);
    drawCurve(canvas, 9, kRed, kYellow);
    drawLimiterMark(canvas);
    setHint("");
}

}  // namespace tz::graphs
