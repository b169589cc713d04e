// Time per map cell from monitor frames at their times: the time from one
// frame to the next goes to the cell of the first, where the engine ran
// until the unit said otherwise. The map's throttle rows count when the
// image uses them.
#pragma once

#include <cstdint>

#include "link/monitor.h"
#include "logs/cell_time.h"
#include "params/image.h"

namespace tz::session {

class CellTimer {
  public:
    // A longer gap between two frames is a unit that did not answer (the
    // link gives up after about a second); it is not counted.
    static constexpr std::int64_t kMaxGapMs = 1000;

    void frame(std::int64_t timeMs, const link::LiveValues& live, const Image& image);
    // The next frame starts afresh: nothing is counted from the one before
    // (a jump in a replay, the link taking over again).
    void interrupt() { hasLast_ = false; }
    // The sums start again from nothing.
    void reset() { sums_.reset(); }
    const logs::CellTime& sums() const { return sums_; }

  private:
    logs::CellTime sums_;
    bool hasLast_ = false;
    std::int64_t lastMs_ = 0;
    link::LiveValues last_;
};

}  // namespace tz::session
