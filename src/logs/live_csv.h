// Live values as CSV: a header line, then one row per monitor frame, the
// time first (seconds since the first frame, three decimals), then one
// column per value, booleans as 0 and 1, lines ending in '\n'. Written while
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
// "rpm", "tps", ..., the names of the monitor's JSON output.
std::string_view LiveColumnName(LiveColumn column);
// The column of that name; nothing for time_s and unknown names.
std::optional<LiveColumn> LiveColumnNamed(std::string_view name);
// The column's value in the live values, as the log writes it.
int LiveColumnValue(LiveColumn column, const link::LiveValues& values);

// The header line with its line end.
std::string_view LiveCsvHeader();

// Room for the longest row.
inline constexpr std::size_t kMaxLiveRowSize = 256;
using LiveRowBuffer = std::array<char, kMaxLiveRowSize>;

// One row with its line end, written into `buffer`; the result points into
// it. A negative time is written as 0.
std::string_view FormatLiveRow(std::int64_t timeMs, const link::LiveValues& values,
                               LiveRowBuffer& buffer);

struct LiveRow {
    std::int64_t timeMs = 0;  // time_s in milliseconds
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
    NoTimeColumn,    // the header lacks time_s (also: no header at all)
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

// A whole log. The header's columns may come in any order; unknown ones are
// ignored; "\r\n" line ends, blank lines and a leading byte order mark are
// accepted; a last row without its line end is left out. When the log names
// the protocol, versionState is set from it as when decoding a frame.
ParsedLiveCsv ParseLiveCsv(std::string_view text);

// "line 7: rpm: not a number", in English for the command-line tools.
std::string DescribeLiveCsvError(const LiveCsvError& error);

}  // namespace tz::logs
