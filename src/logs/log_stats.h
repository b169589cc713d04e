// A summary of a live-data log: how long it lasts, how many rows it holds
// and the smallest, largest and mean value of each column it has.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "logs/live_csv.h"

namespace tz::logs {

struct ColumnStats {
    int min = 0;
    int max = 0;
    double mean = 0;  // of the rows, each row counting once
};

struct LogStats {
    std::int64_t durationMs = 0;  // from the first row to the last
    std::size_t rows = 0;
    // Nothing for the columns the log lacks, and for all of them in a log
    // without rows.
    std::array<std::optional<ColumnStats>, kLiveColumnCount> columns{};
};

LogStats ComputeLogStats(const LiveLog& log);

}  // namespace tz::logs
