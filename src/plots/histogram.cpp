#include "plots/histogram.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "plots/channels.h"
#include "plots/nice_scale.h"

namespace tz::plots {

namespace {

using graphs::IntRect;
using graphs::rgb;

constexpr graphs::Rgb kInk = rgb(0x303030);
constexpr graphs::Rgb kFrame = rgb(0xA0A0A0);
constexpr int kGap = 4;

std::string secondsText(std::int64_t ms) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f s", static_cast<double>(ms) / 1000);
    return text;
}

}  // namespace

Histogram TimeHistogram(const LogSeries& series, logs::LiveColumn column, std::int64_t fromMs,
                        std::int64_t toMs) {
    Histogram h;
    h.column = column;
    if (series.rows() == 0 || !series.has(column)) return h;
    const ValueRange range = channelStyle(column).flag
                                 ? ValueRange{0, 2, 1}
                                 : niceRange(series.min(column), series.max(column), 10);
    for (int v = range.low; v < range.high; v += range.step)
        h.bands.push_back({v, v + range.step, 0});
    if (h.bands.back().to <= series.max(column))
        h.bands.push_back({range.high, range.high + range.step, 0});

    const std::span<const std::int64_t> times = series.times();
    const std::span<const int> values = series.values(column);
    const std::size_t last = series.rowAt(toMs);
    for (std::size_t i = series.rowAt(fromMs); i + 1 < series.rows() && i <= last; ++i) {
        if (times[i + 1] - times[i] > kMaxRowGapMs) continue;
        const std::int64_t ms = std::min(times[i + 1], toMs) - std::max(times[i], fromMs);
        if (ms <= 0) continue;
        const auto band = static_cast<std::size_t>((values[i] - range.low) / range.step);
        h.bands[band].ms += ms;
        h.longestMs = std::max(h.longestMs, h.bands[band].ms);
    }
    return h;
}

void drawHistogram(graphs::Canvas& canvas, const Histogram& h, std::string_view title,
                   graphs::Rgb background) {
    const IntRect whole{0, 0, canvas.width(), canvas.height()};
    canvas.setClip(whole);
    canvas.setBrush(background);
    canvas.fillRect(whole);
    canvas.setFont({11, false, kInk});
    canvas.setBrushStyle(graphs::BrushStyle::Clear);
    const int textHeight = canvas.textHeight("0");
    canvas.textOut(kGap, kGap, title);
    if (h.bands.empty()) return;

    const std::string longest = secondsText(h.longestMs);
    const IntRect bars{kGap + canvas.textWidth(longest) + kGap, kGap + textHeight + kGap,
                       canvas.width() - kGap, canvas.height() - textHeight - kGap - 2};
    if (bars.right - bars.left < static_cast<int>(h.bands.size()) || bars.bottom - bars.top < 4)
        return;
    canvas.textOut(kGap, bars.top, longest);
    canvas.textOut(bars.left - kGap - canvas.textWidth("0 s"), bars.bottom - textHeight, "0 s");
    canvas.setPen(kFrame, 1);
    canvas.frameRect(bars);

    const int count = static_cast<int>(h.bands.size());
    const int width = bars.right - bars.left - 2;
    const int height = bars.bottom - bars.top - 2;
    const std::string_view unit = channelStyle(h.column).unit;
    int labelsEnd = 0;
    canvas.beginGroup(logs::LiveColumnName(h.column));
    for (int i = 0; i < count; ++i) {
        const Band& band = h.bands[static_cast<std::size_t>(i)];
        const int left = bars.left + 1 + width * i / count;
        const int right = bars.left + 1 + width * (i + 1) / count;
        const int barHeight =
            h.longestMs > 0
                ? static_cast<int>(static_cast<std::int64_t>(height) * band.ms / h.longestMs)
                : 0;
        if (barHeight > 0) {
            canvas.setBrush(channelStyle(h.column).colour);
            canvas.fillRect({left + 1, bars.bottom - 1 - barHeight, std::max(right - 1, left + 2),
                             bars.bottom - 1});
        }
        // Band values below, as many as keep apart.
        std::string label = std::to_string(band.from);
        if (i == 0 && !unit.empty()) label += " " + std::string(unit);
        if (left >= labelsEnd) {
            canvas.setBrushStyle(graphs::BrushStyle::Clear);
            canvas.textOut(left, bars.bottom + 2, label);
            labelsEnd = left + canvas.textWidth(label) + 6;
        }
    }
    canvas.endGroup();
}

}  // namespace tz::plots
