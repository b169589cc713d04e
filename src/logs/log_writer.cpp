#include "logs/log_writer.h"

namespace tz::logs {

LogWriter::LogWriter(std::unique_ptr<LogSink> sink, LiveCsvForm form, std::string startTime)
    : sink_(std::move(sink)), form_(form), startTime_(std::move(startTime)) {
    put(LiveCsvHeader(form_));
}

bool LogWriter::append(std::int64_t clockMs, const link::LiveValues& values) {
    if (failed()) return false;
    if (rows_ == 0) firstMs_ = clockMs;
    const std::string_view startTime =
        rows_ == 0 ? std::string_view(startTime_) : std::string_view();
    if (!put(FormatLiveRow(clockMs - firstMs_, values, buffer_, form_, startTime))) return false;
    lastMs_ = clockMs;
    ++rows_;
    return true;
}

bool LogWriter::put(std::string_view bytes) {
    failure_ = sink_->write(bytes);
    if (failed()) {
        sink_->truncate(written_);
        return false;
    }
    written_ += bytes.size();
    return true;
}

}  // namespace tz::logs
