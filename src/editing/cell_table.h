// An editable table of integer cells in the units the window shows, each
// cell with its own range. The table tools work on this view, so the same
// tools serve the advance map, its RPM breakpoints and the servo curve.
#pragma once

#include "editing/cell_range.h"

namespace tz::editing {

struct CellLimits {
    int min = 0;
    int max = 0;

    bool operator==(const CellLimits&) const = default;
};

class CellTable {
  public:
    virtual ~CellTable() = default;

    // The cells the window shows and lets the user edit; tools clip at its
    // edges. Positions outside it are not valid for the calls below.
    virtual CellRange area() const = 0;
    virtual int value(CellPos cell) const = 0;
    virtual CellLimits limits(CellPos cell) const = 0;
    // Stores a value within the cell's limits. A cell may hold only some
    // values of its range (whole steps of its unit); it keeps the one the
    // window would keep for that input.
    virtual void store(CellPos cell, int value) = 0;
    // Whether the rows hold one quantity, so that smoothing may average a
    // cell with the rows above and below it.
    virtual bool rowsShareUnit() const { return true; }
};

}  // namespace tz::editing
