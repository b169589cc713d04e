// The time plot of a live-data log: a legend, then one lane per channel
// with its own scale and unit, the traces over a time axis, and the replay
// position as a vertical cursor. Drawn through the canvas, so the window,
// the tests and SVG files share it; the geometry it returns maps the
// pointer back to times.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "canvas/canvas.h"
#include "plots/log_series.h"
#include "plots/nice_scale.h"

namespace tz::plots {

struct TimePlot {
    const LogSeries* series = nullptr;
    // The lanes from top to bottom; columns the log lacks are left out.
    std::span<const logs::LiveColumn> channels;
    // The legend's names, by column.
    std::array<std::string_view, logs::kLiveColumnCount> names{};
    // What the picture says when there is nothing to plot.
    std::string_view emptyText;
    std::int64_t fromMs = 0;
    std::int64_t toMs = 1;
    // The replay position; the legend then gives each channel's value there.
    std::optional<std::int64_t> cursorMs;
    graphs::Rgb background = graphs::colour::kWhite;
};

// Where times lie along the x axis.
struct TimeAxis {
    int left = 0;
    int right = 1;  // exclusive
    std::int64_t fromMs = 0;
    std::int64_t toMs = 1;

    int x(std::int64_t ms) const;
    // The time at a pixel, within fromMs..toMs.
    std::int64_t time(int x) const;
};

struct Lane {
    logs::LiveColumn column = logs::LiveColumn::Rpm;
    graphs::IntRect rect;
    ValueRange range;

    int y(int value) const;
};

struct PlotGeometry {
    graphs::IntRect traces;  // the lanes together
    TimeAxis axis;
    std::vector<Lane> lanes;
};

PlotGeometry drawTimePlot(graphs::Canvas& canvas, const TimePlot& plot);

// "m:ss", "h:mm:ss", with tenths ("m:ss.s") when `tenths`.
std::string formatPlotTime(std::int64_t ms, bool tenths);

}  // namespace tz::plots
