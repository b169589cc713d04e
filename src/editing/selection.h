// A selection of advance-map cells made with a rubber band over some view
// of the cells (the grid or the map graph). The view gives every cell a hit
// box in its own pixels; dragging a band marks the cells it touches, and
// finishing the band toggles them and checks whether the selected cells
// form a rectangle that interpolation can fill.
#pragma once

#include <array>
#include <cstdint>

#include "canvas/canvas.h"
#include "editing/cell_range.h"

namespace tz::editing {

inline constexpr int kSelectionCells = 100;

// Bits of a cell's flags.
inline constexpr std::int16_t kCellSelected = 1;
inline constexpr std::int16_t kCellInBand = 2;
inline constexpr std::int16_t kCellCorner = 4;

enum class BandState : std::int32_t {
    Empty = 0,     // nothing selected
    Banding = 1,   // a band is being dragged
    Selected = 2,  // at least one cell selected
};

struct TSelcell {
    BandState state = BandState::Empty;
    // Fixed and moving corner of the band, in the view's pixels.
    int anchorX = 0;
    int anchorY = 0;
    int currentX = 0;
    int currentY = 0;
    // Hit box of cell 10 * row + column; all -1 when the cell cannot be hit.
    std::array<graphs::IntRect, kSelectionCells> cellRects{};
    std::array<std::int16_t, kSelectionCells> cellFlags{};
    // Bounds of the selected rectangle, all -1 when the selection is not a
    // usable rectangle.
    int rectFirstCol = -1;
    int rectLastCol = -1;
    int rectFirstRow = -1;
    int rectLastRow = -1;
    int columns = 10;
    int rows = 10;
    // Size of the view; the band's moving corner stays inside it.
    int boundsWidth = 0;
    int boundsHeight = 0;

    // Starts a band at (x, y). keepAnchor continues from the previous
    // anchor; keepAnchor or keepFlags keeps the cells selected so far.
    void StartBand(int x, int y, bool keepAnchor, bool keepFlags);
    // Moves the band's corner; true when it moved.
    bool ExtendBand(int x, int y);
    // Toggles the cells under the band and runs the rectangle test.
    void FinishBand();
    void ClearHitBoxes();
    // Selects the rectangle spanned by two cells (the keyboard's anchor and
    // moving corner) exactly as a new band dragged from the one cell to the
    // other would: the cells selected before are dropped, the rectangle
    // test runs and the band's corners move to the two cells' centres when
    // this view has hit boxes for them.
    void SelectCells(CellPos anchor, CellPos corner);
    // Drops the selection, as a click without moving the mouse does.
    void Clear();
    // Takes the other selection's state, flags and rectangle, not its band
    // corners, hit boxes or bounds.
    void CopyFrom(const TSelcell& other);
    // Paints the band and the framed cells over a surface cleared with the
    // background colour.
    void DrawOverlay(graphs::Canvas& canvas, graphs::Rgb background) const;

    bool banding() const { return state == BandState::Banding; }
    bool hasRectangle() const { return rectFirstCol >= 0; }
    std::int16_t flags(int row, int column) const { return cellFlags[10 * row + column]; }
    // The selected cells when they form one solid rectangle of any size
    // (unlike the bounds above, which need three cells along one side);
    // the empty range otherwise.
    CellRange selectedRange() const;
    // The band from anchor to current corner.
    graphs::IntRect band() const;
};

}  // namespace tz::editing
