// Where the engine spent its time: milliseconds summed per advance-map cell,
// the cell chosen by the same rule that marks the live cell in the window.
#pragma once

#include <array>
#include <cstdint>

#include "link/monitor.h"
#include "params/image.h"

namespace tz::logs {

class CellTime {
  public:
    // Adds `elapsedMs` to the cell of these live values under the image's
    // axes (`tpsRows`: whether the map uses the throttle rows). Nothing is
    // added below the first rpm breakpoint or for a negative time.
    void add(const link::LiveValues& live, const Image& image, bool tpsRows,
             std::int64_t elapsedMs);
    void reset();

    std::int64_t ms(int row, int column) const;
    double seconds(int row, int column) const {
        return static_cast<double>(ms(row, column)) / 1000;
    }
    // All cells together.
    std::int64_t totalMs() const { return totalMs_; }
    double totalSeconds() const { return static_cast<double>(totalMs_) / 1000; }
    // The most any one cell holds, the scale of a shading.
    std::int64_t longestMs() const { return longestMs_; }

  private:
    std::array<std::int64_t, kMapRows * kMapColumns> ms_{};
    std::int64_t totalMs_ = 0;
    std::int64_t longestMs_ = 0;
};

}  // namespace tz::logs
