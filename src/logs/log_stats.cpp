#include "logs/log_stats.h"

#include <algorithm>

namespace tz::logs {

LogStats ComputeLogStats(const LiveLog& log) {
    LogStats stats;
    stats.rows = log.rows.size();
    if (log.rows.empty()) return stats;
    stats.durationMs = log.rows.back().timeMs - log.rows.front().timeMs;
    for (std::size_t c = 0; c < kLiveColumnCount; ++c) {
        if (!log.present[c]) continue;
        const auto column = static_cast<LiveColumn>(c);
        const int first = LiveColumnValue(column, log.rows.front().values);
        ColumnStats s{first, first, 0};
        // Integers summed exactly: the mean loses nothing to the row count.
        std::int64_t sum = 0;
        for (const LiveRow& row : log.rows) {
            const int v = LiveColumnValue(column, row.values);
            s.min = std::min(s.min, v);
            s.max = std::max(s.max, v);
            sum += v;
        }
        s.mean = static_cast<double>(sum) / static_cast<double>(log.rows.size());
        stats.columns[c] = s;
    }
    return stats;
}

}  // namespace tz::logs
