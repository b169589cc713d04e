// How long a channel of a live-data log stayed in each band of its values
// (how long the engine ran at each rpm band), within a part of the log's
// time, and its picture: one bar per band.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "canvas/canvas.h"
#include "plots/log_series.h"

namespace tz::plots {

// A row counts until the next one, unless they are further apart than this:
// the unit did not answer then, as for the time per map cell.
inline constexpr std::int64_t kMaxRowGapMs = 1000;

struct Band {
    int from = 0;  // the values from..to - 1
    int to = 1;
    std::int64_t ms = 0;
};

struct Histogram {
    logs::LiveColumn column = logs::LiveColumn::Rpm;
    std::vector<Band> bands;  // from the lowest values up, covering all of the log's values
    std::int64_t longestMs = 0;
};

// The bands are round steps over the whole log's values (each value its own
// band for flags), so that they stay as the time window moves. Nothing for a
// column the log lacks.
Histogram TimeHistogram(const LogSeries& series, logs::LiveColumn column, std::int64_t fromMs,
                        std::int64_t toMs);

// Bars in the channel's colour under the title, the seconds of the longest
// band at the top of the scale, band values below.
void drawHistogram(graphs::Canvas& canvas, const Histogram& histogram, std::string_view title,
                   graphs::Rgb background);

}  // namespace tz::plots
