// Places of cells in a table: rows top to bottom as the window shows them,
// columns left to right. On the advance map a cell's row and column are the
// same as in the map's image bytes and in the cell selection.
#pragma once

#include <algorithm>

namespace tz::editing {

struct CellPos {
    int row = 0;
    int column = 0;

    bool operator==(const CellPos&) const = default;
};

// A rectangle of cells with inclusive bounds; empty when a last bound lies
// before its first.
struct CellRange {
    int firstRow = 0;
    int firstColumn = 0;
    int lastRow = -1;
    int lastColumn = -1;

    // The rectangle with two cells as opposite corners, in either order.
    static constexpr CellRange spanning(CellPos a, CellPos b) {
        return {std::min(a.row, b.row), std::min(a.column, b.column), std::max(a.row, b.row),
                std::max(a.column, b.column)};
    }
    static constexpr CellRange sized(CellPos topLeft, int rows, int columns) {
        return {topLeft.row, topLeft.column, topLeft.row + rows - 1, topLeft.column + columns - 1};
    }

    constexpr bool empty() const { return lastRow < firstRow || lastColumn < firstColumn; }
    constexpr int rowCount() const { return empty() ? 0 : lastRow - firstRow + 1; }
    constexpr int columnCount() const { return empty() ? 0 : lastColumn - firstColumn + 1; }
    constexpr CellPos topLeft() const { return {firstRow, firstColumn}; }
    constexpr bool contains(CellPos p) const {
        return p.row >= firstRow && p.row <= lastRow && p.column >= firstColumn &&
               p.column <= lastColumn;
    }
    // The common cells; the empty range {} when there are none.
    constexpr CellRange intersected(const CellRange& other) const {
        const CellRange r{std::max(firstRow, other.firstRow),
                          std::max(firstColumn, other.firstColumn),
                          std::min(lastRow, other.lastRow), std::min(lastColumn, other.lastColumn)};
        return r.empty() ? CellRange{} : r;
    }

    bool operator==(const CellRange&) const = default;
};

}  // namespace tz::editing
