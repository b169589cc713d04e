// The clipboard text of a block of cells: what the window copies and what it
// accepts when the user pastes from a spreadsheet or a text file.
//
// Written form: rows top to bottom, values separated by tabs, each row ended
// by "\n", blank cells as empty fields. Spreadsheets paste this as a block.
//
// Read form:
// - Lines end with "\r\n", "\n" or "\r"; one line end after the last row is
//   optional. A UTF-8 byte-order mark at the start is skipped.
// - Separator: a tab when the text holds any tab (what spreadsheets put on
//   the clipboard); otherwise ';' when it holds any ';'; otherwise ',',
//   except when every non-blank line is a single number with one comma
//   between digits ("12,5"): that is a column of numbers written with a
//   decimal comma, as a spreadsheet in such a language copies one column.
//   So "1,5" alone reads as 1.5; write "1, 5" or "1;5" for two values.
// - Decimal mark: '.' always, ',' too unless commas separate the values.
//   Digit grouping ("1.500", "1,500", "1 500", "1.234,5") is refused with the
//   field's place: "1.000" may be one or a thousand. A value with a leading
//   zero or more than three digits before its mark ("0.500", "1500.25") is
//   no grouping.
// - A value is an optional sign, digits and an optional decimal part; blanks
//   around it are ignored. It is rounded to the nearest integer, halves
//   away from zero, and limited to +-kCellTextValueLimit (tables clamp far
//   below that).
// - An empty field is a blank cell. Rows may differ in length: the block is
//   as wide as the longest row and the missing cells of shorter rows are
//   blank, so they leave the table as it is.
// - Any other field rejects the whole text, with its row and column.
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "editing/cell_block.h"

namespace tz::editing {

inline constexpr int kCellTextValueLimit = 1'000'000'000;
// A larger text is refused: no table comes near it, and a whole spreadsheet
// column on the clipboard should not become a million-row block.
inline constexpr int kCellTextMaxRows = 1000;
inline constexpr int kCellTextMaxColumns = 1000;

struct CellTextError {
    enum class Kind {
        NoValues,    // empty or blank text: nothing to paste
        NotANumber,  // `field` at (row, column) is not a number
        Grouping,    // `field` at (row, column) is written with digit grouping
        TooLarge,    // (row, column) lies beyond kCellTextMaxRows or kCellTextMaxColumns
    };
    Kind kind = Kind::NoValues;
    // Place of the fault counted from 0; the user counts from 1.
    int row = 0;
    int column = 0;
    // The offending field without its surrounding blanks, cut to at most
    // kQuotedFieldBytes bytes on a character boundary.
    std::string field;

    static constexpr std::size_t kQuotedFieldBytes = 32;

    bool operator==(const CellTextError&) const = default;
};

std::string formatCellBlock(const CellBlock& block);

// The block the text holds, or why it holds none.
std::variant<CellBlock, CellTextError> parseCellBlock(std::string_view text);

}  // namespace tz::editing
