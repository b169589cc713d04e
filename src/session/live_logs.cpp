#include "session/live_logs.h"

namespace tz::session {

std::error_code LiveLogs::startRecording(std::unique_ptr<logs::LogSink> sink, std::int64_t nowMs,
                                         logs::LiveCsvForm form, std::string startTime) {
    recording_.emplace(
        Recording{logs::LogWriter(std::move(sink), form, std::move(startTime)), nowMs});
    const std::error_code error = recording_->writer.failure();
    if (error) recording_.reset();
    return error;
}

void LiveLogs::unitFrame(std::int64_t nowMs, const link::LiveValues& live, const Image& image,
                         Events& events) {
    timer_.frame(nowMs, live, image);
    if (!recording_ || recording_->writer.append(nowMs, live)) return;
    events.emplace_back(RecordingFailed{recording_->writer.failure(), recording_->writer.rows()});
    recording_.reset();
}

}  // namespace tz::session
