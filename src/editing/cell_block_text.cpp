#include "editing/cell_block_text.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace tz::editing {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// How the values of one text are written.
struct Dialect {
    std::optional<char> separator;  // none: one value per line
    bool decimalComma = true;       // ',' may stand for '.'
};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimBlanks(std::string_view s) {
    const std::size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// The lines without their ends; the end after the last line is optional.
std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n' && text[i] != '\r') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

// "12,5": digits, one comma, digits, with an optional sign in front.
bool isDecimalCommaNumber(std::string_view s) {
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) s.remove_prefix(1);
    const std::size_t comma = s.find(',');
    if (comma == std::string_view::npos || comma == 0 || comma + 1 == s.size()) return false;
    auto digitsOnly = [](std::string_view part) {
        return std::all_of(part.begin(), part.end(), isDigit);
    };
    return digitsOnly(s.substr(0, comma)) && digitsOnly(s.substr(comma + 1));
}

Dialect dialectOf(std::string_view text, const std::vector<std::string_view>& lines) {
    if (text.find('\t') != std::string_view::npos) return {'\t', true};
    if (text.find(';') != std::string_view::npos) return {';', true};
    if (text.find(',') == std::string_view::npos) return {std::nullopt, true};
    const bool decimalColumn = std::all_of(lines.begin(), lines.end(), [](std::string_view line) {
        line = trimBlanks(line);
        return line.empty() || isDecimalCommaNumber(line);
    });
    if (decimalColumn) return {std::nullopt, true};
    return {',', false};
}

// The value of a field, rounded half away from zero and limited to the
// value limit; none when the field is not a number.
std::optional<int> parseRounded(std::string_view s, bool decimalComma) {
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    std::int64_t magnitude = 0;
    int digits = 0;
    for (; i < s.size() && isDigit(s[i]); ++i, ++digits)
        magnitude = std::min<std::int64_t>(magnitude * 10 + (s[i] - '0'), kCellTextValueLimit);
    if (i < s.size() && (s[i] == '.' || (decimalComma && s[i] == ','))) {
        ++i;
        if (i < s.size() && s[i] >= '5' && s[i] <= '9') ++magnitude;
        for (; i < s.size() && isDigit(s[i]); ++i) ++digits;
    }
    if (i != s.size() || digits == 0) return std::nullopt;
    magnitude = std::min<std::int64_t>(magnitude, kCellTextValueLimit);
    return static_cast<int>(negative ? -magnitude : magnitude);
}

// The length of the digit-grouping mark at the start of s, 0 when there is
// none: '.', ',', a blank, an apostrophe, a no-break or a narrow no-break
// space.
std::size_t groupingMarkLength(std::string_view s) {
    for (const std::string_view mark : {".", ",", " ", "'", "\xC2\xA0", "\xE2\x80\xAF"})
        if (s.starts_with(mark)) return mark.size();
    return 0;
}

// Whether a field could be a number written with digit grouping: "1.000",
// "1 500", "12,345,678", "1.234,5". One to three leading digits (not a
// leading zero), then groups of three after the same mark; a last, other
// '.' or ',' may start a decimal part. "1.000" may mean one or a thousand,
// so such a field is refused rather than read either way.
bool looksGrouped(std::string_view s) {
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) s.remove_prefix(1);
    std::vector<std::string_view> runs;
    std::vector<std::string_view> marks;
    for (;;) {
        std::size_t digits = 0;
        while (digits < s.size() && isDigit(s[digits])) ++digits;
        if (digits == 0) return false;
        runs.push_back(s.substr(0, digits));
        s.remove_prefix(digits);
        if (s.empty()) break;
        const std::size_t mark = groupingMarkLength(s);
        if (mark == 0) return false;
        marks.push_back(s.substr(0, mark));
        s.remove_prefix(mark);
    }
    if (marks.empty() || runs.front().size() > 3 || runs.front().front() == '0') return false;
    std::size_t groups = marks.size();
    if (marks.back() != marks.front()) {
        if (marks.back() != "." && marks.back() != ",") return false;
        --groups;  // the decimal part
    }
    for (std::size_t i = 0; i < groups; ++i)
        if (marks[i] != marks.front() || runs[i + 1].size() != 3) return false;
    return true;
}

std::string quoted(std::string_view field) {
    std::size_t cut = std::min(field.size(), CellTextError::kQuotedFieldBytes);
    // Do not split a UTF-8 character: back off over its continuation bytes.
    if (cut < field.size())
        while (cut > 0 && (static_cast<unsigned char>(field[cut]) & 0xC0) == 0x80) --cut;
    return std::string(field.substr(0, cut));
}

std::vector<std::string_view> splitFields(std::string_view line, std::optional<char> separator) {
    std::vector<std::string_view> fields;
    if (!separator) {
        fields.push_back(line);
        return fields;
    }
    std::size_t start = 0;
    for (std::size_t at = line.find(*separator); at != std::string_view::npos;
         at = line.find(*separator, start)) {
        fields.push_back(line.substr(start, at - start));
        start = at + 1;
    }
    fields.push_back(line.substr(start));
    return fields;
}

}  // namespace

std::string formatCellBlock(const CellBlock& block) {
    std::string out;
    for (int r = 0; r < block.rows; ++r) {
        for (int c = 0; c < block.columns; ++c) {
            if (c > 0) out += '\t';
            if (const std::optional<int> v = block.at(r, c)) out += std::to_string(*v);
        }
        out += '\n';
    }
    return out;
}

std::variant<CellBlock, CellTextError> parseCellBlock(std::string_view text) {
    using Kind = CellTextError::Kind;
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    const std::vector<std::string_view> lines = splitLines(text);
    if (lines.size() > static_cast<std::size_t>(kCellTextMaxRows))
        return CellTextError{Kind::TooLarge, kCellTextMaxRows, 0, {}};
    const Dialect dialect = dialectOf(text, lines);

    std::vector<std::vector<std::optional<int>>> rows;
    std::size_t width = 0;
    bool anyValue = false;
    for (const std::string_view line : lines) {
        const int r = static_cast<int>(rows.size());
        const std::vector<std::string_view> fields = splitFields(line, dialect.separator);
        if (fields.size() > static_cast<std::size_t>(kCellTextMaxColumns))
            return CellTextError{Kind::TooLarge, r, kCellTextMaxColumns, {}};
        std::vector<std::optional<int>>& row = rows.emplace_back();
        for (const std::string_view raw : fields) {
            const std::string_view field = trimBlanks(raw);
            if (field.empty()) {
                row.emplace_back();
                continue;
            }
            if (looksGrouped(field))
                return CellTextError{Kind::Grouping, r, static_cast<int>(row.size()),
                                     quoted(field)};
            const std::optional<int> value = parseRounded(field, dialect.decimalComma);
            if (!value)
                return CellTextError{Kind::NotANumber, r, static_cast<int>(row.size()),
                                     quoted(field)};
            row.push_back(value);
            anyValue = true;
        }
        width = std::max(width, row.size());
    }
    if (!anyValue) return CellTextError{};

    CellBlock block;
    block.rows = static_cast<int>(rows.size());
    block.columns = static_cast<int>(width);
    block.cells.reserve(rows.size() * width);
    for (std::vector<std::optional<int>>& row : rows) {
        row.resize(width);
        block.cells.insert(block.cells.end(), row.begin(), row.end());
    }
    return block;
}

}  // namespace tz::editing
