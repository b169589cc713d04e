// A live-data log as columns of numbers, the form the plots draw from: the
// rows' times counted from the first row (as a replay's position is), and
// each column's values with their smallest and largest.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "logs/live_csv.h"

namespace tz::plots {

class LogSeries {
  public:
    LogSeries() = default;
    explicit LogSeries(const logs::LiveLog& log);

    std::size_t rows() const { return times_.size(); }
    std::span<const std::int64_t> times() const { return times_; }
    // From the first row to the last.
    std::int64_t durationMs() const { return times_.empty() ? 0 : times_.back(); }

    bool has(logs::LiveColumn column) const { return present_[index(column)]; }
    std::span<const int> values(logs::LiveColumn column) const { return values_[index(column)]; }
    int min(logs::LiveColumn column) const { return min_[index(column)]; }
    int max(logs::LiveColumn column) const { return max_[index(column)]; }

    // The row current at `ms`: the last one whose time is not later, the
    // first before it. The series must have rows.
    std::size_t rowAt(std::int64_t ms) const;

  private:
    static std::size_t index(logs::LiveColumn column) { return static_cast<std::size_t>(column); }

    std::vector<std::int64_t> times_;
    std::array<bool, logs::kLiveColumnCount> present_{};
    std::array<std::vector<int>, logs::kLiveColumnCount> values_;
    std::array<int, logs::kLiveColumnCount> min_{};
    std::array<int, logs::kLiveColumnCount> max_{};
};

}  // namespace tz::plots
