#include "editing/grid_cursor.h"

#include <algorithm>

namespace tz::editing {

CellPos GridCursor::inside(CellPos p) const {
    return {std::clamp(p.row, area_.firstRow, area_.lastRow),
            std::clamp(p.column, area_.firstColumn, area_.lastColumn)};
}

void GridCursor::setArea(CellRange area) {
    area_ = area;
    focus_ = inside(focus_);
    anchor_ = inside(anchor_);
}

void GridCursor::place(CellPos cell) {
    focus_ = inside(cell);
    anchor_ = focus_;
}

void GridCursor::move(int rowStep, int columnStep, bool extend) {
    focus_ = inside({focus_.row + rowStep, focus_.column + columnStep});
    if (!extend) anchor_ = focus_;
}

}  // namespace tz::editing
