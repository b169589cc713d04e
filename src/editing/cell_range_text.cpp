#include "editing/cell_range_text.h"

namespace tz::editing {

namespace {

// A number of 1..kMaxCellNumber taken from the front of the text.
std::optional<int> takeNumber(std::string_view& text) {
    int value = 0;
    std::size_t digits = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') {
        value = value * 10 + (text[digits] - '0');
        if (value > kMaxCellNumber) return std::nullopt;
        ++digits;
    }
    if (digits == 0 || value == 0) return std::nullopt;
    text.remove_prefix(digits);
    return value;
}

// "R:C" from the front of the text, counted from 0.
std::optional<CellPos> takeCell(std::string_view& text) {
    const std::optional<int> row = takeNumber(text);
    if (!row || text.empty() || text.front() != ':') return std::nullopt;
    text.remove_prefix(1);
    const std::optional<int> column = takeNumber(text);
    if (!column) return std::nullopt;
    return CellPos{*row - 1, *column - 1};
}

std::string cellText(CellPos cell) {
    return std::to_string(cell.row + 1) + ":" + std::to_string(cell.column + 1);
}

}  // namespace

std::optional<CellRange> parseCellRangeText(std::string_view text) {
    const std::optional<CellPos> first = takeCell(text);
    if (!first) return std::nullopt;
    if (text.empty()) return CellRange::spanning(*first, *first);
    if (text.front() != '-') return std::nullopt;
    text.remove_prefix(1);
    const std::optional<CellPos> second = takeCell(text);
    if (!second || !text.empty()) return std::nullopt;
    return CellRange::spanning(*first, *second);
}

std::string formatCellRangeText(const CellRange& range) {
    const CellPos last{range.lastRow, range.lastColumn};
    if (range.topLeft() == last) return cellText(last);
    return cellText(range.topLeft()) + "-" + cellText(last);
}

}  // namespace tz::editing
