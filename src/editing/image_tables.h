// The tables of the parameter image that the window edits as grids, in the
// units the window shows them. Reading gives what the cell's edit box shows
// (the scaled byte, limited to the up/down's range); storing converts the way
// the up/down does: the value is limited to the range, divided by the scale
// (dropping the remainder) and kept as a byte.
#pragma once

#include "editing/cell_table.h"
#include "params/image.h"

namespace tz::editing {

class ImageTable : public CellTable {
  public:
    int value(CellPos cell) const override;
    CellLimits limits(CellPos cell) const override;
    void store(CellPos cell, int value) override;

  protected:
    // Where a cell lives in the image and how its edit box shows it.
    struct Field {
        int byte = 0;
        int scale = 1;
        CellLimits limits;
    };

    explicit ImageTable(Image& image) : image_(image) {}
    virtual Field fieldAt(CellPos cell) const = 0;

    Image& image_;
};

// The advance map, degrees 0..60, in the grid's coordinates: row r is the
// throttle breakpoint r (0 % on top), column c the RPM breakpoint c, so
// cell (r, c) is image byte ADVANCE + 10 r + c, as in the cell selection.
// With the TPS map off the window shows only row 9, and only that row is
// the table's area.
class AdvanceMapTable final : public ImageTable {
  public:
    AdvanceMapTable(Image& image, bool allRows) : ImageTable(image), allRows_(allRows) {}
    CellRange area() const override { return areaOf(allRows_); }
    // The cells shown: all ten rows with the throttle rows on, else row 10.
    static CellRange areaOf(bool allRows);

  private:
    Field fieldAt(CellPos cell) const override;
    bool allRows_;
};

// The map's RPM breakpoints: one row of ten, in rpm.
class RpmBreakpointTable final : public ImageTable {
  public:
    explicit RpmBreakpointTable(Image& image) : ImageTable(image) {}
    CellRange area() const override;

  private:
    Field fieldAt(CellPos cell) const override;
};

// The servo curve as the Servo page shows it: row 0 the ten speeds in rpm,
// row 1 the ten voltages in mV. The rows hold different quantities.
class ServoCurveTable final : public ImageTable {
  public:
    explicit ServoCurveTable(Image& image) : ImageTable(image) {}
    CellRange area() const override;
    bool rowsShareUnit() const override { return false; }

  private:
    Field fieldAt(CellPos cell) const override;
};

}  // namespace tz::editing
