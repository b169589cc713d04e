// The session's live-data logs of the unit: its monitor frames recorded into
// a log, and the time the engine spent in each advance-map cell, which a
// replay sums into as well. The session owns one, hands it the unit's frames,
// its steady clock's time and the image, and forwards its events.
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
#include "logs/log_writer.h"
#include "params/image.h"
#include "session/cell_timer.h"
#include "session/session_events.h"

namespace tz::session {

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

    // ---- Time per map cell, from the unit's frames and replayed rows alike
    CellTimer& cellTimer() { return timer_; }
    const logs::CellTime& cellTime() const { return timer_.sums(); }
    void resetCellTime() { timer_.reset(); }

  private:
    struct Recording {
        logs::LogWriter writer;
        std::int64_t startMs = 0;
    };

    std::optional<Recording> recording_;
    CellTimer timer_;
};

}  // namespace tz::session
