// A live-data log played in place of the unit: its rows arrive as monitor
// frames at their times, at the chosen speed, and are summed per map cell at
// the log's own times whatever the speed.
#pragma once

#include <cstddef>
#include <cstdint>

#include "link/monitor.h"
#include "logs/live_csv.h"
#include "logs/log_player.h"
#include "params/image.h"
#include "session/cell_timer.h"
#include "session/frame_source.h"
#include "session/session_events.h"

namespace tz::session {

class LogReplay final : public FrameSource {
  public:
    // Paused at the first row, which resume() shows. A log without the
    // protocol column counts as one of this program's version; the servo
    // counts as in position. The log must have rows.
    LogReplay(logs::LiveLog log, std::int64_t nowMs, CellTimer& cells);

    // While playing, the rows whose time has come are summed at their own
    // times and the current one is shown.
    void tick(std::int64_t nowMs, const Image& image, Events& events) override;
    void resume(const Image& image, Events& events) override;
    // The values of the row shown last.
    const link::LiveValues& live() const override { return shown_; }

    const logs::LogPlayer& player() const { return player_; }
    void play(std::int64_t nowMs, const Image& image, Events& events);
    void pause() { player_.pause(); }
    void seek(std::int64_t positionMs, const Image& image, Events& events);
    void setSpeed(logs::ReplaySpeed speed) { player_.setSpeed(speed); }
    void setLooping(bool looping) { player_.setLooping(looping); }

  private:
    // Shows row `index` as a monitor frame.
    void show(std::size_t index, Events& events);
    // Sums the rows after the one shown up to `index`, then shows it.
    void reach(std::size_t index, bool wrapped, const Image& image, Events& events);

    logs::LogPlayer player_;
    CellTimer& cells_;
    std::int64_t clockMs_ = 0;   // the steady clock at the last step
    std::size_t index_ = 0;      // the row shown and summed last
    link::LiveValues shown_;     // its values
    bool runningShown_ = false;  // the running flag shown before it
};

}  // namespace tz::session
