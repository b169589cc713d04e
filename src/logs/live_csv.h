// Live values as CSV: a header line, then one row per monitor frame: the
// time (seconds since the first frame, three decimals), one column per
// value, booleans as 0 and 1, then the time again in whole milliseconds and
// the local start time (first row only); lines end in '\n'. Written while
// recording, read back for a replay.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "link/monitor.h"

namespace tz::logs {

// The value columns, in the order they are written after time_s.
enum class LiveColumn {
    Rpm,
    Tps,
    ThrottleMv,
    SupplyMv,
    Advance1,
    Advance2,
    MaxAdvance1,
    MaxAdvance2,
    ServoDesiredMv,
    ServoMeasuredMv,
    Pickup1,
    Pickup2,
    Running,
    PowerOut1,
    PowerOut2,
    PowerOut3,
    Input1,
    Input2,
    Errors,
    Saving,
    ProgramCount,
    Protocol,
};
inline constexpr std::size_t kLiveColumnCount = 22;

inline constexpr std::string_view kTimeColumn = "time_s";
// The time as a whole number, which spreadsheets of every language read
// alike, and the local start time with its zone ("2026-12-11T05:40:00+01:00").
inline constexpr std::string_view kTimeMsColumn = "time_ms";
inline constexpr std::string_view kStartTimeColumn = "start_time";

// How values are separated and decimals written: "0.330,..." as most
// programs read it, or "0,330;..." for spreadsheets in languages that write
// a decimal comma.
enum class LiveCsvForm : std::uint8_t { DecimalPoint, DecimalComma };
// "rpm", "tps", ..., the names of the monitor's JSON output.
std::string_view LiveColumnName(LiveColumn column);
// The column of that name; nothing for time_s and unknown names.
std::optional<LiveColumn> LiveColumnNamed(std::string_view name);
// The column's value in the live values, as the log writes it.
int LiveColumnValue(LiveColumn column, const link::LiveValues& values);

// The header line with its line end.
std::string_view LiveCsvHeader(LiveCsvForm form = LiveCsvForm::DecimalPoint);

// Room for the longest row.
inline constexpr std::size_t kMaxLiveRowSize = 320;
using LiveRowBuffer = std::array<char, kMaxLiveRowSize>;

// One row with its line end, written into `buffer`; the result points into
// it. A negative time is written as 0. `startTime` (the first row's) is cut
// at 64 characters and must hold no separator.
std::string_view FormatLiveRow(std::int64_t timeMs, const link::LiveValues& values,
                               LiveRowBuffer& buffer, LiveCsvForm form = LiveCsvForm::DecimalPoint,
                               std::string_view startTime = {});

struct LiveRow {
    std::int64_t timeMs = 0;  // time_ms, or time_s in milliseconds
    link::LiveValues values;  // columns the log lacks stay at their defaults
};

struct LiveLog {
    std::vector<LiveRow> rows;
    // The value columns the header names.
    std::array<bool, kLiveColumnCount> present{};
    // The last line had no line end: a row cut off when the recording
    // stopped (perhaps inside a value), left out.
    bool lastRowCutOff = false;

    bool has(LiveColumn column) const { return present[static_cast<std::size_t>(column)]; }
};

enum class LiveCsvProblem {
    NoTimeColumn,    // the header has neither time_s nor time_ms (also: no header at all)
    RepeatedColumn,  // a column named twice in the header
    ValueCount,      // a row with more or fewer values than the header
    NotANumber,
    OutOfRange,     // a number the column cannot hold
    TimeBackwards,  // time_s earlier than in the row before
};

struct LiveCsvError {
    LiveCsvProblem problem = LiveCsvProblem::NotANumber;
    int line = 0;        // counted from 1
    std::string column;  // the column concerned, empty for a whole line

    bool operator==(const LiveCsvError&) const = default;
};

struct ParsedLiveCsv {
    LiveLog log;
    std::optional<LiveCsvError> error;  // the log is empty then
};

// A whole log in either form: a header that holds ';' separates with ';'
// and may write time_s with a decimal comma. The header's columns may come
// in any order; unknown ones are ignored; time_ms is taken over time_s when
// the log has both (logs before time_ms have only time_s); "\r\n" line
// ends, blank lines and a leading byte order mark are accepted; a last row
// without its line end is left out. When the log names the protocol,
// versionState is set from it as when decoding a frame.
ParsedLiveCsv ParseLiveCsv(std::string_view text);

// "line 7: rpm: not a number", in English for the command-line tools.
std::string DescribeLiveCsvError(const LiveCsvError& error);

}  // namespace tz::logs
