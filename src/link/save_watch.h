// After a programming run the unit stores the settings, counting down in its
// monitor frames. The run has succeeded only once the unit has stored them:
// a unit that goes away while it saves may have kept nothing, so that fails
// the run, unless it answers again soon (a line that lost a few frames).
#pragma once

namespace tz::link {

// Idle ticks to wait for a countdown to show before a unit that never shows
// one counts as saved, the longest wait for a countdown to end, and how long
// a unit may stay silent (after the watchdog gave it up) before the save
// counts as failed.
inline constexpr int kSaveStartTicks = 40;
inline constexpr int kSaveMaxTicks = 2000;
inline constexpr int kSaveAwayTicks = 36;

class SaveWatch {
  public:
    enum class Verdict { Pending, Saved, Failed };

    // The programming run's verify found the unit holding the pages.
    void start();
    bool pending() const { return pending_; }
    // A save is pending and the unit does not answer.
    bool unitAway() const { return pending_ && awayTicks_ > 0; }
    // One idle tick with the unit's latest countdown and whether it answers:
    // Saved once a countdown seen has run out, or none showed within
    // kSaveStartTicks; Failed when it stayed away kSaveAwayTicks.
    Verdict step(int countdown, bool answering);

  private:
    bool pending_ = false;
    bool counting_ = false;
    int ticks_ = 0;
    int awayTicks_ = 0;
};

}  // namespace tz::link
