// Replaying a loaded log. There is no clock inside: the caller passes the
// time that has passed, so the replay follows the window's timer, and tests
// a fake clock. Positions count from the log's first row.
#pragma once

#include <cstddef>
#include <cstdint>

#include "logs/live_csv.h"

namespace tz::logs {

// How long one pass through the log lasts when it loops: up to its last
// row plus one average row interval, so that the last row shows for about
// as long as the others. 0 for fewer than two rows.
std::int64_t LoopLengthMs(const LiveLog& log);

// The row current `positionMs` after the first row: the last one whose time
// is not later. With `loop`, the position wraps at LoopLengthMs. The log
// must have rows.
std::size_t RowIndexAt(const LiveLog& log, std::int64_t positionMs, bool loop);

enum class ReplaySpeed { Quarter, Half, Normal, Double, Quadruple, Octuple };

class LogPlayer {
  public:
    // Paused at the first row, at normal speed, not looping.
    explicit LogPlayer(LiveLog log);

    const LiveLog& log() const { return log_; }

    // Playing from the end starts again at the first row.
    void play();
    void pause();
    bool playing() const { return playing_; }

    void setSpeed(ReplaySpeed speed) { speed_ = speed; }
    ReplaySpeed speed() const { return speed_; }

    void setLooping(bool looping) { looping_ = looping; }
    bool looping() const { return looping_; }

    // Moves the position by `elapsedMs` of real time at the current speed
    // while playing. Without looping, playing stops at the end.
    void advance(std::int64_t elapsedMs);
    // Jumps to a position, kept within the log.
    void seek(std::int64_t positionMs);

    std::int64_t positionMs() const { return quarterMs_ / 4; }
    // From the first row to the last.
    std::int64_t durationMs() const;
    // Played to the last row without looping.
    bool atEnd() const;

    // The row current at the position; nothing for a log without rows.
    const LiveRow* current() const;
    std::size_t currentIndex() const { return index_; }

  private:
    void settle();

    LiveLog log_;
    bool playing_ = false;
    bool looping_ = false;
    ReplaySpeed speed_ = ReplaySpeed::Normal;
    // Quarter milliseconds, so that a quarter speed loses nothing to rounding.
    std::int64_t quarterMs_ = 0;
    std::size_t index_ = 0;
};

}  // namespace tz::logs
