// A range of table cells as the command line writes it: rows and columns
// counted from 1 as the window shows them, "R:C" for one cell and
// "R1:C1-R2:C2" for the rectangle with the two cells as opposite corners, in
// either order. Numbers are plain decimal digits, at most kMaxCellNumber;
// nothing else (no blanks, signs or other separators) is accepted.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "editing/cell_range.h"

namespace tz::editing {

inline constexpr int kMaxCellNumber = 9999;

std::optional<CellRange> parseCellRangeText(std::string_view text);
// "R:C" for a single cell, else "R1:C1-R2:C2" with the top-left corner first.
std::string formatCellRangeText(const CellRange& range);

}  // namespace tz::editing
