// The keyboard's place in a grid of cells: the focused cell and the anchor
// that Shift+arrows extend a selection from. Both stay inside the cells the
// grid shows (on the advance map with the TPS map off: row 9 alone), so a
// selection made from them lies there too.
#pragma once

#include "editing/cell_range.h"

namespace tz::editing {

class GridCursor {
  public:
    explicit GridCursor(CellRange area) : area_(area), focus_(area.topLeft()), anchor_(focus_) {}

    // The grid now shows other cells (the TPS map was switched); focus and
    // anchor move to the nearest shown cells.
    void setArea(CellRange area);
    // A click or a focus change puts focus and anchor on the cell.
    void place(CellPos cell);
    // An arrow key: one step, stopping at the grid's edge. With extend
    // (Shift held) the anchor stays, otherwise it follows the focus.
    void move(int rowStep, int columnStep, bool extend);

    CellPos focus() const { return focus_; }
    CellPos anchor() const { return anchor_; }
    CellRange area() const { return area_; }

  private:
    CellPos inside(CellPos p) const;

    CellRange area_;
    CellPos focus_;
    CellPos anchor_;
};

}  // namespace tz::editing
