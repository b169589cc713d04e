// Spreadsheet-style tools on a rectangular range of a table's cells. Every
// tool works inside the table's area (a range reaching beyond it is cut at
// its edges), limits each result to its cell's range and reports how many
// results it had to limit and the range it wrote.
#pragma once

#include "editing/cell_block.h"
#include "editing/cell_table.h"

namespace tz::editing {

struct ToolResult {
    CellRange range;  // the cells written, inside the table's area; {} when none
    int clamped = 0;  // results that lay outside their cell's range
    int written = 0;  // cells given a value (a pasted block's blank cells are not)

    bool operator==(const ToolResult&) const = default;
};

// The values of the range, inside the table's area, as a full block.
CellBlock copyCells(const CellTable& table, CellRange range);

// Every cell becomes value, rounded half away from zero; a value beyond a
// cell's range is limited as every tool limits. A value or amount that is
// not a finite number changes nothing.
ToolResult setCells(CellTable& table, CellRange range, double value);
// Every cell grows by amount, rounded (shrinks when it is negative).
ToolResult addToCells(CellTable& table, CellRange range, double amount);
// Every cell becomes value * percent / 100, rounded half away from zero.
// A percent that is not a finite number changes nothing.
ToolResult scaleCells(CellTable& table, CellRange range, double percent);
// Every cell becomes the weighted mean of itself and its eight neighbours
// that lie inside the range, all taken from before the change: the cell
// weighs 4, a neighbour beside, above or below it 2, a diagonal neighbour 1;
// the mean is rounded half away from zero. A table whose rows hold different
// quantities is smoothed along its rows only. A single cell stays as it is.
ToolResult smoothCells(CellTable& table, CellRange range);
// Pastes a block with its top-left cell at the range's top-left, cut at the
// table's edges; the blank cells of the block leave theirs as they are. A
// block of one value instead fills the whole range. The written range is
// what the window selects afterwards.
ToolResult pasteCells(CellTable& table, CellRange range, const CellBlock& block);

}  // namespace tz::editing
