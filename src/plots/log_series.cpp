#include "plots/log_series.h"

#include <algorithm>

namespace tz::plots {

LogSeries::LogSeries(const logs::LiveLog& log) : present_(log.present) {
    if (log.rows.empty()) return;
    const std::int64_t start = log.rows.front().timeMs;
    times_.reserve(log.rows.size());
    for (const logs::LiveRow& row : log.rows) times_.push_back(row.timeMs - start);
    for (std::size_t c = 0; c < logs::kLiveColumnCount; ++c) {
        if (!present_[c]) continue;
        const auto column = static_cast<logs::LiveColumn>(c);
        std::vector<int>& v = values_[c];
        v.reserve(log.rows.size());
        for (const logs::LiveRow& row : log.rows)
            v.push_back(logs::LiveColumnValue(column, row.values));
        const auto [lo, hi] = std::minmax_element(v.begin(), v.end());
        min_[c] = *lo;
        max_[c] = *hi;
    }
}

std::size_t LogSeries::rowAt(std::int64_t ms) const {
    const auto after = std::upper_bound(times_.begin(), times_.end(), ms);
    return after == times_.begin() ? 0 : static_cast<std::size_t>(after - times_.begin()) - 1;
}

}  // namespace tz::plots
