// Painting the 3D graph: axes, the surface from far to near as a fan of
// four triangles per quad, marks of the selection and the live cell, the
// front axes again, and the colour legend.
#include <cmath>
#include <cstdio>

#include "graphs/graph3d.h"

namespace tz::graphs {

namespace {

using namespace colour;

Point pixel(const ScreenPoint& p) {
    return {static_cast<int>(p.x), static_cast<int>(p.y)};
}

std::string wholeNumber(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.0f", v);
    return text;
}

}  // namespace

// One corner of a quad: a model point and the cell it stands for.
struct TGraph3D::Corner {
    double x = 0;
    double v = 0;     // value above yMin
    int t = 0;        // throttle row index of the surface
    int column = -1;  // the cell's column, -1 where the corner is no cell
    int flags = 0;    // the cell's selection flags
    ScreenPoint screen;
};

TGraph3D::Corner TGraph3D::corner(int h, int row, bool right) const {
    // Left corners stand on column h - 1, right corners on column h; the
    // strips h = -1 and h = 10 reach out to 0 rpm and to the axis end.
    Corner k;
    k.t = row;
    const int column = right ? h : h - 1;
    if (column >= 0 && column <= 9) {
        k.column = column;
        k.x = curve.xs[column];
        k.v = curve.value(row, column);
    } else {
        const bool end = column > 9;
        k.x = end ? axes.xMax : (right || h == 0 ? curve.xs[0] : 0);
        k.v = end ? curve.value(row, 9) : curve.value(row, 0);
    }
    const bool flat = h == -1 || (h == 0 && !right);
    if (flat && curve.baseShown) k.v = curve.baseValue;
    k.v -= axes.yMin;
    if (k.column >= 0 && selection != nullptr)
        k.flags = selection->flags(curve.mode == kMapRows ? row : 9, k.column);
    k.screen = Project(k.x, k.v, k.t);
    return k;
}

void TGraph3D::DrawTriangle(Canvas& canvas, const ScreenPoint& a, const ScreenPoint& b,
                            const ScreenPoint& c, Rgb front, Rgb back, Rgb edge, bool fill) const {
    if (fill) {
        const double k = (a.x - c.x) * (b.y - c.y) - (a.y - c.y) * (b.x - c.x);
        if (k != 0) {
            const Rgb face = k < 0 ? front : back;
            canvas.setPen(face);
            canvas.setBrush(face);
            const std::array<Point, 3> corners = {pixel(a), pixel(b), pixel(c)};
            canvas.polygon(corners);
        }
    }
    canvas.setPen(edge);
    canvas.line(pixel(a).x, pixel(a).y, pixel(b).x, pixel(b).y);
}

void TGraph3D::drawQuad(Canvas& canvas, int w, int h, int sx, int st) const {
    const Corner p1 = corner(h, w - 1, false);
    const Corner p2 = corner(h, w, false);
    const Corner p3 = corner(h, w - 1, true);
    const Corner p4 = corner(h, w, true);
    const double cv = (p1.v + p2.v + p3.v + p4.v) / 4;
    const ScreenPoint centre = Project((p1.x + p2.x + p3.x + p4.x) / 4, cv, w - 0.5);

    // The four triangles by their outer edge: row w - 1, left, right, row w.
    const std::array<std::pair<const Corner*, const Corner*>, 4> edges = {
        {{&p3, &p1}, {&p1, &p2}, {&p4, &p3}, {&p2, &p4}}};
    std::array<int, 4> order = {0, 1, 2, 3};
    if (st > 0 && sx < 0) order = {0, 2, 1, 3};
    if (st < 0 && sx > 0) order = {3, 1, 2, 0};
    if (st < 0 && sx < 0) order = {3, 2, 1, 0};

    for (int i : order) {
        const Corner& a = *edges[static_cast<std::size_t>(i)].first;
        const Corner& b = *edges[static_cast<std::size_t>(i)].second;
        const Rgb face = heightColours_ ? colourOf((a.v + b.v + cv) / 3 + axes.yMin) : kLightBlue;
        Rgb edge = fill_ ? kWhite : kBlack;
        if (a.flags != 0 && b.flags != 0)
            edge = ((a.flags | b.flags) & editing::kCellCorner) != 0 ? kDarkGreen : kBlue;
        DrawTriangle(canvas, a.screen, b.screen, centre, face, kSilver, edge, fill_);
    }

    if (!liveValue()) return;
    for (const Corner* k : {&p1, &p2, &p3, &p4}) {
        if (k->column != live.column || k->t != live.row) continue;
        const Point p = pixel(k->screen);
        canvas.setPen(kWhite);
        canvas.setBrushStyle(BrushStyle::Clear);
        canvas.ellipse({p.x - 6, p.y - 6, p.x + 6, p.y + 6});
        canvas.setPen(kBlack);
        canvas.setBrush(kLime);
        canvas.ellipse({p.x - 5, p.y - 5, p.x + 5, p.y + 5});
    }
}

void TGraph3D::drawAxisLine(Canvas& canvas, const ScreenPoint& end) const {
    const Point o = pixel(Project(0, 0, 0));
    const Point e = pixel(end);
    canvas.line(o.x, o.y, e.x, e.y);
}

void TGraph3D::drawAxisEnd(Canvas& canvas, const ScreenPoint& end, const std::string& name) const {
    const Point e = pixel(end);
    canvas.roundRect({e.x - 16, e.y - 8, e.x + 16, e.y + 8}, 2);
    canvas.textOut(e.x - canvas.textWidth(name) / 2, e.y - 7, name);
}

void TGraph3D::Draw(Canvas& canvas) {
    if ((dirtyFlags & kRescale) != 0) Rescale();
    canvas.setClip({0, 0, width(), height()});
    canvas.setPen(background);
    canvas.setBrush(background);
    canvas.rectangle({0, 0, width(), height()});

    const ScreenPoint origin = Project(0, 0, 0);
    const ScreenPoint rpmEnd = Project(axes.xMax, 0, 0);
    const ScreenPoint valueEnd = Project(0, axes.yMax - axes.yMin, 0);
    const ScreenPoint tpsEnd = Project(0, 0, tpsAxisLength);
    const std::string rpmName = "RPM";

    canvas.setPen(kBlack);
    for (const ScreenPoint* end : {&rpmEnd, &valueEnd, &tpsEnd}) drawAxisLine(canvas, *end);
    drawAxisEnd(canvas, rpmEnd, rpmName);
    drawAxisEnd(canvas, valueEnd, curve.valueAxisName);
    drawAxisEnd(canvas, tpsEnd, curve.rowAxisName);

    // Far to near: the rows and columns whose end lies deeper come first.
    const int sx = rpmEnd.depth < origin.depth ? -1 : 1;
    const int st = tpsEnd.depth < origin.depth ? -1 : 1;
    for (int i = 1; i <= 9; ++i) {
        const int w = st < 0 ? 10 - i : i;
        for (int j = -1; j <= 10; ++j) drawQuad(canvas, w, sx < 0 ? 9 - j : j, sx, st);
    }

    // Axes that lie in front of the surface, drawn again over it.
    canvas.setPen(kBlack);
    canvas.setBrush(background);
    if (st < 0) {
        drawAxisLine(canvas, rpmEnd);
        drawAxisLine(canvas, valueEnd);
    }
    if (sx < 0) drawAxisLine(canvas, tpsEnd);
    if (st < 0 || topView()) {
        drawAxisEnd(canvas, rpmEnd, rpmName);
        drawAxisEnd(canvas, valueEnd, curve.valueAxisName);
    }
    if (sx < 0 || topView()) drawAxisEnd(canvas, tpsEnd, curve.rowAxisName);
}

void TGraph3D::DrawLegend(Canvas& canvas) const {
    canvas.setClip({0, 0, kLegendWidth, legendHeight_});
    canvas.setPen(background);
    canvas.setBrush(background);
    canvas.rectangle({0, 0, kLegendWidth, legendHeight_});
    const int bottom = legendHeight_ - 15;
    const int bar = bottom - 15;
    for (int g = 0; g < bar; ++g) {
        const auto entry = static_cast<std::size_t>(static_cast<double>(g) / bar * 60);
        canvas.setPen(colourTable_[entry]);
        canvas.line(30, bottom - g, 80, bottom - g);
    }

    const auto [lo, hi] = colourRange();
    const int step = hi - lo > 100 ? 10 : 5;
    canvas.setPen(kGrey);
    canvas.setBrushStyle(BrushStyle::Clear);
    for (int k = lo; k <= hi; ++k) {
        if (k % step != 0) continue;
        const int y = bottom - (k - lo) * bar / (hi - lo);
        canvas.line(28, y, 80, y);
        const std::string label = wholeNumber(k);
        canvas.textOut(30 - 5 - canvas.textWidth(label), y - 7, label);
    }

    const std::optional<int> value = liveValue();
    if (!value) return;
    const int y = bottom - (*value - lo) * bar / (hi - lo);
    canvas.setPen(kWhite);
    canvas.setBrush(kWhite);
    canvas.rectangle({60, y - 8, 120, y + 9});
    canvas.setPen(kLime);
    canvas.line(60, y, 85, y);
    canvas.line(60, y + 1, 85, y + 1);
    canvas.line(60, y, 68, y - 4);
    canvas.line(60, y + 1, 68, y + 5);
    canvas.textOut(90, y - 7, wholeNumber(*value));
}

}  // namespace tz::graphs
