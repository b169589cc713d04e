// The session's live-data logs: the unit's monitor frames recorded into a
// log, a log replayed in place of the unit, and the time the engine spent in
// each advance-map cell during either. The session owns one, hands it the
// frames, its steady clock's time and the image, and forwards its events.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

#include "link/monitor.h"
#include "logs/cell_time.h"
#include "logs/live_csv.h"
#include "logs/log_player.h"
#include "logs/log_writer.h"
#include "params/image.h"
#include "session/session_events.h"

namespace tz::session {

// Time per map cell from frames at their times: the time from one frame to
// the next goes to the cell of the first, where the engine ran until the unit
// said otherwise. The map's throttle rows count when the image uses them.
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

class LiveLogs {
  public:
    // ---- Recording the unit's frames
    // Writes the header into `sink` and every later frame from the unit as a
    // row, replacing a recording that runs. The error when the header could
    // not be written (nothing records then).
    std::error_code startRecording(std::unique_ptr<logs::LogSink> sink, std::int64_t nowMs,
                                   logs::LiveCsvForm form, std::string startTime);
    void stopRecording() { recording_.reset(); }
    bool recording() const { return recording_.has_value(); }
    std::size_t recordedRows() const { return recording_ ? recording_->writer.rows() : 0; }
    // Since the recording started.
    std::int64_t recordingMs(std::int64_t nowMs) const {
        return recording_ ? nowMs - recording_->startMs : 0;
    }

    // An accepted monitor frame from the unit: summed per cell and recorded.
    // A write that fails stops the recording with RecordingFailed.
    void unitFrame(std::int64_t nowMs, const link::LiveValues& live, const Image& image,
                   Events& events);

    // ---- Replaying a log in place of the unit
    // Starts paused at the first row, which is shown as a monitor frame. A
    // log without the protocol column counts as one of this program's
    // version; the servo counts as in position. The log must have rows.
    void startReplay(logs::LiveLog log, std::int64_t nowMs, const Image& image, Events& events);
    void stopReplay();
    bool replaying() const { return replay_.has_value(); }
    // Nothing while not replaying.
    const logs::LogPlayer* player() const { return replay_ ? &replay_->player : nullptr; }
    // The values of the row shown last.
    const link::LiveValues& replayed() const { return replay_->shown; }

    // At every tick: while playing, the rows whose time has come are summed
    // at their own times (whatever the speed) and the current one is shown.
    void stepReplay(std::int64_t nowMs, const Image& image, Events& events);
    void play(std::int64_t nowMs, const Image& image, Events& events);
    void pause();
    void seek(std::int64_t positionMs, const Image& image, Events& events);
    void setSpeed(logs::ReplaySpeed speed);
    void setLooping(bool looping);

    // ---- Time per map cell, from the unit's frames and replayed rows alike
    const logs::CellTime& cellTime() const { return timer_.sums(); }
    void resetCellTime() { timer_.reset(); }

  private:
    struct Recording {
        logs::LogWriter writer;
        std::int64_t startMs = 0;
    };
    struct Replay {
        logs::LogPlayer player;
        std::int64_t clockMs = 0;   // the steady clock at the last step
        std::size_t index = 0;      // the row shown and summed last
        link::LiveValues shown;     // its values
        bool runningShown = false;  // the running flag shown before it
    };

    // Shows row `index` as a monitor frame.
    void show(std::size_t index, Events& events);
    // Sums the rows after the one shown up to `index`, then shows it.
    void reach(std::size_t index, bool wrapped, const Image& image, Events& events);

    std::optional<Recording> recording_;
    std::optional<Replay> replay_;
    CellTimer timer_;
};

}  // namespace tz::session
