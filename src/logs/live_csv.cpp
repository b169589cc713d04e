#include "logs/live_csv.h"

#include <algorithm>
#include <charconv>

#include "link/monitor_fields.h"

namespace tz::logs {

namespace {

using link::MonitorField;

static_assert(link::kLoggedFieldCount == kLiveColumnCount);

const MonitorField& columnField(std::size_t index) {
    return link::LoggedFields()[index];
}

constexpr std::size_t kProtocolIndex = static_cast<std::size_t>(LiveColumn::Protocol);

char separatorOf(LiveCsvForm form) {
    return form == LiveCsvForm::DecimalComma ? ';' : ',';
}

std::string buildHeader(LiveCsvForm form) {
    const char separator = separatorOf(form);
    std::string header(kTimeColumn);
    for (const MonitorField& c : link::LoggedFields()) {
        header += separator;
        header += c.name;
    }
    for (const std::string_view name : {kTimeMsColumn, kStartTimeColumn}) {
        header += separator;
        header += name;
    }
    header += '\n';
    return header;
}

// Room the start time may take in a row.
constexpr std::size_t kMaxStartTimeSize = 64;

// Larger times are not a recording of any real ride and would overflow.
constexpr std::int64_t kMaxSeconds = 1'000'000'000'000;

// A field without surrounding blanks and without the quotes a spreadsheet
// may have put around it.
std::string_view cell(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = text.substr(1, text.size() - 2);
    return text;
}

bool allDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Whole seconds, then optionally a decimal mark (one of `marks`) and
// decimals; digits past the third are dropped.
std::optional<LiveCsvProblem> parseSeconds(std::string_view text, std::string_view marks,
                                           std::int64_t& ms) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    const std::size_t dot = text.find_first_of(marks);
    const std::string_view whole = text.substr(0, dot);
    const std::string_view fraction =
        dot == std::string_view::npos ? std::string_view{} : text.substr(dot + 1);
    if (!allDigits(whole) || (dot != std::string_view::npos && !allDigits(fraction)))
        return LiveCsvProblem::NotANumber;
    std::int64_t seconds = 0;
    const auto [end, ec] = std::from_chars(whole.data(), whole.data() + whole.size(), seconds);
    if (negative || ec != std::errc() || seconds > kMaxSeconds) return LiveCsvProblem::OutOfRange;
    int millis = 0;
    for (std::size_t i = 0; i < 3; ++i)
        millis = millis * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
    ms = seconds * 1000 + millis;
    return std::nullopt;
}

// Whole milliseconds.
std::optional<LiveCsvProblem> parseMilliseconds(std::string_view text, std::int64_t& ms) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    if (!allDigits(text)) return LiveCsvProblem::NotANumber;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), ms);
    if (negative || ec != std::errc() || ms > kMaxSeconds * 1000 + 999)
        return LiveCsvProblem::OutOfRange;
    return std::nullopt;
}

std::optional<LiveCsvProblem> parseValue(std::string_view text, const MonitorField& column,
                                         int& value) {
    if (text.empty()) return LiveCsvProblem::NotANumber;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (end != text.data() + text.size() || ec == std::errc::invalid_argument)
        return LiveCsvProblem::NotANumber;
    if (ec != std::errc() || value < column.min || value > column.max)
        return LiveCsvProblem::OutOfRange;
    return std::nullopt;
}

// Where the fields of the header go: a value column, a time or nowhere.
constexpr int kTimeField = -1;
constexpr int kUnknownField = -2;
constexpr int kTimeMsField = -3;

int fieldOf(std::string_view name) {
    if (name == kTimeColumn) return kTimeField;
    if (name == kTimeMsColumn) return kTimeMsField;
    for (std::size_t i = 0; i < kLiveColumnCount; ++i)
        if (columnField(i).name == name) return static_cast<int>(i);
    return kUnknownField;
}

std::string columnName(int field) {
    if (field == kTimeField) return std::string(kTimeColumn);
    if (field == kTimeMsField) return std::string(kTimeMsColumn);
    return std::string(columnField(static_cast<std::size_t>(field)).name);
}

class Parser {
  public:
    explicit Parser(std::string_view text) : text_(text) {}

    ParsedLiveCsv run() {
        // Spreadsheets may start a UTF-8 file with a byte order mark.
        if (text_.starts_with("\xEF\xBB\xBF")) text_.remove_prefix(3);
        ParsedLiveCsv result;
        if (!header(nextLine(), result.log)) return fail();
        while (!text_.empty()) {
            const std::string_view line = nextLine();
            if (cell(line).empty()) continue;
            // Every row is written with its line end: without one the row
            // was cut off, perhaps inside a value, and is left out.
            if (!endedWithNewline_) {
                result.log.lastRowCutOff = true;
                break;
            }
            const auto count =
                static_cast<std::size_t>(std::count(line.begin(), line.end(), separator_)) + 1;
            if (count != fields_.size()) {
                error_ = {LiveCsvProblem::ValueCount, lineNumber_, {}};
                return fail();
            }
            if (!row(line, result.log)) return fail();
        }
        return result;
    }

  private:
    // The next line without its line end.
    std::string_view nextLine() {
        ++lineNumber_;
        const std::size_t nl = text_.find('\n');
        std::string_view line = text_.substr(0, nl);
        endedWithNewline_ = nl != std::string_view::npos;
        text_.remove_prefix(endedWithNewline_ ? nl + 1 : text_.size());
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        return line;
    }

    bool header(std::string_view line, LiveLog& log) {
        // The form for spreadsheets that write a decimal comma separates
        // with ';', which no column name holds.
        if (line.find(';') != std::string_view::npos) {
            separator_ = ';';
            decimalMarks_ = ".,";
        }
        bool hasTime = false;
        bool hasTimeMs = false;
        for (std::size_t at = 0; at <= line.size();) {
            const std::size_t comma = std::min(line.find(separator_, at), line.size());
            const int field = fieldOf(cell(line.substr(at, comma - at)));
            bool* seen = field == kTimeField     ? &hasTime
                         : field == kTimeMsField ? &hasTimeMs
                         : field >= 0            ? &log.present[static_cast<std::size_t>(field)]
                                                 : nullptr;
            if (seen != nullptr && *seen) {
                error_ = {LiveCsvProblem::RepeatedColumn, lineNumber_, columnName(field)};
                return false;
            }
            if (seen != nullptr) *seen = true;
            fields_.push_back(field);
            at = comma + 1;
        }
        if (!hasTime && !hasTimeMs) {
            error_ = {LiveCsvProblem::NoTimeColumn, lineNumber_, {}};
            return false;
        }
        // The whole milliseconds are exact, and a spreadsheet may have
        // changed time_s (0.330 read as 330).
        if (hasTimeMs) std::replace(fields_.begin(), fields_.end(), kTimeField, kUnknownField);
        timeField_ = hasTimeMs ? kTimeMsField : kTimeField;
        return true;
    }

    bool row(std::string_view line, LiveLog& log) {
        LiveRow r;
        std::size_t at = 0;
        for (const int field : fields_) {
            const std::size_t comma = std::min(line.find(separator_, at), line.size());
            const std::string_view text = cell(line.substr(at, comma - at));
            at = comma + 1;
            if (field == kUnknownField) continue;
            std::optional<LiveCsvProblem> problem;
            if (field == kTimeField) {
                problem = parseSeconds(text, decimalMarks_, r.timeMs);
            } else if (field == kTimeMsField) {
                problem = parseMilliseconds(text, r.timeMs);
            } else {
                const MonitorField& column = columnField(static_cast<std::size_t>(field));
                int value = 0;
                problem = parseValue(text, column, value);
                if (!problem) column.set(r.values, value);
            }
            if (problem) {
                error_ = {*problem, lineNumber_, columnName(field)};
                return false;
            }
        }
        if (!log.rows.empty() && r.timeMs < log.rows.back().timeMs) {
            error_ = {LiveCsvProblem::TimeBackwards, lineNumber_, columnName(timeField_)};
            return false;
        }
        if (log.present[kProtocolIndex])
            r.values.versionState = r.values.protocolVersion == kProtocolVersion
                                        ? link::VersionState::Match
                                        : link::VersionState::Mismatch;
        log.rows.push_back(r);
        return true;
    }

    ParsedLiveCsv fail() const { return {{}, error_}; }

    std::string_view text_;
    int lineNumber_ = 0;
    bool endedWithNewline_ = false;
    char separator_ = ',';
    std::string_view decimalMarks_ = ".";
    std::vector<int> fields_;
    int timeField_ = kTimeField;
    LiveCsvError error_;
};

}  // namespace

std::string_view LiveColumnName(LiveColumn column) {
    return columnField(static_cast<std::size_t>(column)).name;
}

std::optional<LiveColumn> LiveColumnNamed(std::string_view name) {
    const int field = fieldOf(name);
    if (field < 0) return std::nullopt;
    return static_cast<LiveColumn>(field);
}

int LiveColumnValue(LiveColumn column, const link::LiveValues& values) {
    return columnField(static_cast<std::size_t>(column)).get(values);
}

std::string_view LiveCsvHeader(LiveCsvForm form) {
    static const std::string point = buildHeader(LiveCsvForm::DecimalPoint);
    static const std::string comma = buildHeader(LiveCsvForm::DecimalComma);
    return form == LiveCsvForm::DecimalComma ? comma : point;
}

std::string_view FormatLiveRow(std::int64_t timeMs, const link::LiveValues& values,
                               LiveRowBuffer& buffer, LiveCsvForm form,
                               std::string_view startTime) {
    const char separator = separatorOf(form);
    char* out = buffer.data();
    char* const end = buffer.data() + buffer.size();
    const std::int64_t ms = std::max<std::int64_t>(timeMs, 0);
    out = std::to_chars(out, end, ms / 1000).ptr;
    const auto millis = static_cast<int>(ms % 1000);
    *out++ = form == LiveCsvForm::DecimalComma ? ',' : '.';
    *out++ = static_cast<char>('0' + millis / 100);
    *out++ = static_cast<char>('0' + millis / 10 % 10);
    *out++ = static_cast<char>('0' + millis % 10);
    for (const MonitorField& c : link::LoggedFields()) {
        *out++ = separator;
        out = std::to_chars(out, end, c.get(values)).ptr;
    }
    *out++ = separator;
    out = std::to_chars(out, end, ms).ptr;
    *out++ = separator;
    startTime = startTime.substr(0, kMaxStartTimeSize);
    out = std::copy(startTime.begin(), startTime.end(), out);
    *out++ = '\n';
    return {buffer.data(), static_cast<std::size_t>(out - buffer.data())};
}

ParsedLiveCsv ParseLiveCsv(std::string_view text) {
    return Parser(text).run();
}

std::string DescribeLiveCsvError(const LiveCsvError& error) {
    std::string text = "line " + std::to_string(error.line) + ": ";
    if (!error.column.empty()) text += error.column + ": ";
    switch (error.problem) {
        case LiveCsvProblem::NoTimeColumn:
            return text + "the header has no time_s or time_ms column";
        case LiveCsvProblem::RepeatedColumn:
            return text + "column named twice";
        case LiveCsvProblem::ValueCount:
            return text + "the number of values differs from the header";
        case LiveCsvProblem::NotANumber:
            return text + "not a number";
        case LiveCsvProblem::OutOfRange:
            return text + "out of range";
        case LiveCsvProblem::TimeBackwards:
            return text + "earlier than the row before";
    }
    return text;
}

}  // namespace tz::logs
