#include "plots/time_plot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "plots/channels.h"

namespace tz::plots {

namespace {

using graphs::Canvas;
using graphs::IntRect;
using graphs::Point;
using graphs::Rgb;
using graphs::rgb;

constexpr Rgb kInk = rgb(0x303030);
constexpr Rgb kFrame = rgb(0xA0A0A0);
constexpr Rgb kGrid = rgb(0xE4E4E4);
constexpr Rgb kCursor = rgb(0xFF0000);
constexpr int kFontHeight = 11;
constexpr int kGap = 4;      // between lanes, and around the picture
constexpr int kSwatch = 10;  // the legend's colour square
constexpr int kPadding = 2;  // inside a lane, above and below the trace
// Points outside the axis this far are cut to it, beyond any screen.
constexpr std::int64_t kFarOut = 100000;

std::string valueText(int value) {
    return std::to_string(value);
}

// One entry of the legend: the channel's name, with its value at the
// cursor when there is one, and its unit.
std::string legendText(const TimePlot& plot, logs::LiveColumn column) {
    const ChannelStyle& style = channelStyle(column);
    std::string text(plot.names[static_cast<std::size_t>(column)]);
    if (plot.cursorMs) {
        const std::size_t row = plot.series->rowAt(*plot.cursorMs);
        text += ": " + valueText(plot.series->values(column)[row]);
        if (!style.unit.empty()) text += " " + std::string(style.unit);
    } else if (!style.unit.empty()) {
        text += " (" + std::string(style.unit) + ")";
    }
    return text;
}

// The legend in rows across the top; returns its bottom.
int drawLegend(Canvas& canvas, const TimePlot& plot, std::span<const logs::LiveColumn> channels) {
    const int lineHeight = canvas.textHeight("Ag") + 2;
    int x = kGap;
    int y = kGap;
    for (const logs::LiveColumn column : channels) {
        const std::string text = legendText(plot, column);
        const int width = kSwatch + 4 + canvas.textWidth(text) + 12;
        if (x > kGap && x + width > canvas.width() - kGap) {
            x = kGap;
            y += lineHeight;
        }
        canvas.setBrush(channelStyle(column).colour);
        const int swatchTop = y + (lineHeight - kSwatch) / 2;
        canvas.fillRect({x, swatchTop, x + kSwatch, swatchTop + kSwatch});
        canvas.setBrushStyle(graphs::BrushStyle::Clear);
        canvas.textOut(x + kSwatch + 4, y, text);
        x += width;
    }
    return y + lineHeight + kGap;
}

// The time between labelled ticks: the first step at which labels keep
// apart.
std::int64_t timeStep(const TimeAxis& axis, int labelWidth) {
    constexpr std::int64_t kSteps[] = {100,    200,    500,     1000,    2000,    5000,
                                       10000,  15000,  30000,   60000,   120000,  300000,
                                       600000, 900000, 1800000, 3600000, 7200000, 18000000};
    const double pixelsPerMs = static_cast<double>(axis.right - 1 - axis.left) /
                               static_cast<double>(axis.toMs - axis.fromMs);
    for (const std::int64_t step : kSteps)
        if (static_cast<double>(step) * pixelsPerMs >= labelWidth + 16) return step;
    return 36000000 * ((axis.toMs - axis.fromMs) / 36000000 + 1);
}

void drawTimeAxis(Canvas& canvas, const PlotGeometry& g) {
    const TimeAxis& a = g.axis;
    const int labelWidth = canvas.textWidth("0:00:00.0");
    const std::int64_t step = timeStep(a, labelWidth);
    canvas.setBrushStyle(graphs::BrushStyle::Clear);
    for (std::int64_t t = (a.fromMs + step - 1) / step * step; t <= a.toMs; t += step) {
        const int x = a.x(t);
        canvas.setPen(kGrid, 1);
        canvas.line(x, g.traces.top, x, g.traces.bottom);
        canvas.setPen(kInk, 1);
        canvas.line(x, g.traces.bottom, x, g.traces.bottom + 4);
        const std::string text = formatPlotTime(t, step < 1000);
        const int width = canvas.textWidth(text);
        const int left = std::clamp(x - width / 2, 0, canvas.width() - width);
        canvas.textOut(left, g.traces.bottom + 5, text);
    }
}

void drawLaneFrame(Canvas& canvas, const Lane& lane, std::string_view name, bool titled) {
    const IntRect& r = lane.rect;
    canvas.setPen(kGrid, 1);
    for (int v = lane.range.low + lane.range.step; v < lane.range.high; v += lane.range.step)
        canvas.line(r.left + 1, lane.y(v), r.right - 1, lane.y(v));
    canvas.setPen(kFrame, 1);
    canvas.frameRect(r);
    canvas.setBrushStyle(graphs::BrushStyle::Clear);
    const int textHeight = canvas.textHeight("0");
    const std::string high = valueText(lane.range.high);
    const std::string low = valueText(lane.range.low);
    canvas.textOut(r.left - 4 - canvas.textWidth(high), r.top, high);
    if (r.bottom - r.top >= 2 * textHeight)
        canvas.textOut(r.left - 4 - canvas.textWidth(low), r.bottom - textHeight, low);
    if (titled) {
        graphs::Font font{kFontHeight, false, channelStyle(lane.column).colour};
        canvas.setFont(font);
        canvas.textOut(r.left + 4, r.top + 2, name);
        canvas.setFont({kFontHeight, false, kInk});
    }
}

// The rows drawn: those in view and one on either side.
struct RowSpan {
    std::size_t first = 0;
    std::size_t last = 0;
};

RowSpan rowsInView(const LogSeries& series, const TimeAxis& axis) {
    return {series.rowAt(axis.fromMs), std::min(series.rowAt(axis.toMs) + 1, series.rows() - 1)};
}

// The trace one pixel column at a time: the first, lowest, highest and last
// value of the rows that fall into it, so that an hour's rows cost a few
// points per column. `xs` holds the rows' x, from the span's first row.
void tracePoints(const LogSeries& series, const Lane& lane, RowSpan rows,
                 const std::vector<int>& xs, std::vector<Point>& points) {
    points.clear();
    const std::span<const int> values = series.values(lane.column);
    int column = std::numeric_limits<int>::min();
    int firstY = 0;
    int lowY = 0;
    int highY = 0;
    int lastY = 0;
    const auto add = [&points](Point p) {
        if (points.empty() || points.back() != p) points.push_back(p);
    };
    const auto flush = [&] {
        add({column, firstY});
        add({column, lowY});
        add({column, highY});
        add({column, lastY});
    };
    for (std::size_t i = rows.first; i <= rows.last; ++i) {
        const int x = xs[i - rows.first];
        const int y = lane.y(values[i]);
        if (x != column) {
            if (column != std::numeric_limits<int>::min()) flush();
            column = x;
            firstY = lowY = highY = lastY = y;
            continue;
        }
        // Screen y grows downwards: the highest value has the lowest y.
        lowY = std::max(lowY, y);
        highY = std::min(highY, y);
        lastY = y;
    }
    flush();
}

// The lanes share the height, a flag's lane half as high as a value's.
std::vector<Lane> placeLanes(const LogSeries& series, std::span<const logs::LiveColumn> channels,
                             const IntRect& area) {
    int weights = 0;
    for (const logs::LiveColumn c : channels) weights += channelStyle(c).flag ? 1 : 2;
    const int count = static_cast<int>(channels.size());
    const int height = area.bottom - area.top - kGap * (count - 1);
    std::vector<Lane> lanes;
    int top = area.top;
    int used = 0;
    for (const logs::LiveColumn c : channels) {
        used += channelStyle(c).flag ? 1 : 2;
        const int bottom =
            area.top + height * used / std::max(weights, 1) + kGap * static_cast<int>(lanes.size());
        const ValueRange range =
            channelStyle(c).flag ? ValueRange{0, 1, 1} : niceRange(series.min(c), series.max(c), 4);
        lanes.push_back({c, {area.left, top, area.right, std::max(bottom, top + 2)}, range});
        top = lanes.back().rect.bottom + kGap;
    }
    return lanes;
}

}  // namespace

int TimeAxis::x(std::int64_t ms) const {
    const double span = static_cast<double>(toMs - fromMs);
    const double px =
        static_cast<double>(ms - fromMs) * static_cast<double>(right - 1 - left) / span;
    return left + static_cast<int>(std::clamp<std::int64_t>(std::llround(px), -kFarOut, kFarOut));
}

std::int64_t TimeAxis::time(int px) const {
    const double ms = static_cast<double>(px - left) * static_cast<double>(toMs - fromMs) /
                      static_cast<double>(std::max(right - 1 - left, 1));
    return std::clamp<std::int64_t>(fromMs + std::llround(ms), fromMs, toMs);
}

int Lane::y(int value) const {
    const int top = rect.top + kPadding;
    const int bottom = rect.bottom - 1 - kPadding;
    // Rounded to the nearest pixel in integers: exact, and cheap for every row.
    const std::int64_t span = range.high - range.low;
    const std::int64_t scaled = 2 * std::int64_t{value - range.low} * (bottom - top);
    const std::int64_t rounded =
        scaled >= 0 ? (scaled + span) / (2 * span) : -((-scaled + span) / (2 * span));
    return bottom - static_cast<int>(rounded);
}

std::string formatPlotTime(std::int64_t ms, bool tenths) {
    const std::int64_t s = std::max<std::int64_t>(ms, 0) / 1000;
    char text[40];
    const auto h = static_cast<long long>(s / 3600);
    const auto m = static_cast<long long>(s / 60 % 60);
    const auto sec = static_cast<long long>(s % 60);
    if (h > 0)
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", h, m, sec);
    else
        std::snprintf(text, sizeof text, "%lld:%02lld", m, sec);
    std::string out = text;
    if (tenths) out += "." + std::to_string(std::max<std::int64_t>(ms, 0) / 100 % 10);
    return out;
}

PlotGeometry drawTimePlot(Canvas& canvas, const TimePlot& plot) {
    const IntRect whole{0, 0, canvas.width(), canvas.height()};
    canvas.setClip(whole);
    canvas.setBrush(plot.background);
    canvas.fillRect(whole);
    canvas.setFont({kFontHeight, false, kInk});

    PlotGeometry g;
    std::vector<logs::LiveColumn> channels;
    if (plot.series != nullptr && plot.series->rows() > 0)
        for (const logs::LiveColumn c : plot.channels)
            if (plot.series->has(c)) channels.push_back(c);
    g.axis = {kGap, std::max(canvas.width() - kGap, kGap + 2), plot.fromMs,
              std::max(plot.toMs, plot.fromMs + 1)};
    if (channels.empty()) {
        canvas.setBrushStyle(graphs::BrushStyle::Clear);
        canvas.textOut((canvas.width() - canvas.textWidth(plot.emptyText)) / 2,
                       (canvas.height() - canvas.textHeight(plot.emptyText)) / 2, plot.emptyText);
        return g;
    }

    const int legendBottom = drawLegend(canvas, plot, channels);
    int margin = 0;
    for (const logs::LiveColumn c : channels) {
        const ValueRange r = niceRange(plot.series->min(c), plot.series->max(c), 4);
        margin = std::max(
            {margin, canvas.textWidth(valueText(r.low)), canvas.textWidth(valueText(r.high))});
    }
    margin += 2 * kGap;
    const int axisHeight = canvas.textHeight("0") + 6;
    g.traces = {margin, legendBottom, std::max(canvas.width() - 2 * kGap, margin + 2),
                std::max(canvas.height() - axisHeight - kGap, legendBottom + 2)};
    g.axis.left = g.traces.left + 1;
    g.axis.right = g.traces.right - 1;
    g.lanes = placeLanes(*plot.series, channels, g.traces);

    drawTimeAxis(canvas, g);
    const int textHeight = canvas.textHeight("0");
    for (const Lane& lane : g.lanes)
        drawLaneFrame(canvas, lane, plot.names[static_cast<std::size_t>(lane.column)],
                      lane.rect.bottom - lane.rect.top >= 3 * textHeight);

    // Each row's x once for all lanes.
    const RowSpan rows = rowsInView(*plot.series, g.axis);
    std::vector<int> xs;
    xs.reserve(rows.last - rows.first + 1);
    for (std::size_t i = rows.first; i <= rows.last; ++i)
        xs.push_back(g.axis.x(plot.series->times()[i]));
    std::vector<Point> points;
    points.reserve(static_cast<std::size_t>(4 * (g.axis.right - g.axis.left) + 8));
    for (const Lane& lane : g.lanes) {
        canvas.setClip(
            {lane.rect.left + 1, lane.rect.top + 1, lane.rect.right - 1, lane.rect.bottom - 1});
        tracePoints(*plot.series, lane, rows, xs, points);
        canvas.beginGroup(logs::LiveColumnName(lane.column));
        canvas.setPen(channelStyle(lane.column).colour, 1);
        canvas.polyline(points);
        canvas.endGroup();
    }
    canvas.setClip(whole);

    if (plot.cursorMs && *plot.cursorMs >= g.axis.fromMs && *plot.cursorMs <= g.axis.toMs) {
        const int x = g.axis.x(*plot.cursorMs);
        canvas.beginGroup("cursor");
        canvas.setPen(kCursor, 1);
        canvas.line(x, g.traces.top, x, g.traces.bottom);
        canvas.endGroup();
    }
    return g;
}

}  // namespace tz::plots
