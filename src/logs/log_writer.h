// Recording live values: the header, then one row per frame appended to a
// file and handed to the operating system at once, so that a crash or a
// pulled cable loses nothing already shown. A failed write stops the
// recording; the file keeps the rows written before it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>

#include "link/monitor.h"
#include "logs/live_csv.h"

namespace tz::logs {

// Where the bytes of a log go: the file, or a double in tests.
class LogSink {
  public:
    virtual ~LogSink() = default;
    // Hands all the bytes to the operating system; an error when that failed
    // (then some of them may have been written).
    virtual std::error_code write(std::string_view bytes) = 0;
    // Cuts the file back to its first `size` bytes.
    virtual void truncate(std::uint64_t size) = 0;
};

// A file created (or emptied) at `path`; nothing when it cannot be opened,
// with the reason in `error`.
std::unique_ptr<LogSink> OpenLogFile(const std::string& path, std::error_code& error);

class LogWriter {
  public:
    // Writes the header in `form`; check failed() afterwards. `startTime`,
    // the local time the recording starts, goes into the first row.
    explicit LogWriter(std::unique_ptr<LogSink> sink, LiveCsvForm form = LiveCsvForm::DecimalPoint,
                       std::string startTime = {});

    // One row at `clockMs` of any steady clock; the first row is at 0 s.
    // False, and nothing written, once the recording has failed. A row
    // that fails part-way is cut off again, so the file holds whole rows.
    bool append(std::int64_t clockMs, const link::LiveValues& values);

    bool failed() const { return static_cast<bool>(failure_); }
    // Why the recording stopped, e.g. no space left on the device.
    std::error_code failure() const { return failure_; }
    std::size_t rows() const { return rows_; }
    // From the first row to the last.
    std::int64_t durationMs() const { return lastMs_ - firstMs_; }

  private:
    bool put(std::string_view bytes);

    std::unique_ptr<LogSink> sink_;
    LiveCsvForm form_;
    std::string startTime_;
    std::error_code failure_;
    std::uint64_t written_ = 0;
    std::size_t rows_ = 0;
    std::int64_t firstMs_ = 0;
    std::int64_t lastMs_ = 0;
    LiveRowBuffer buffer_{};
};

}  // namespace tz::logs
