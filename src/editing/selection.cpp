#include "editing/selection.h"

#include <algorithm>

namespace tz::editing {

namespace {

constexpr graphs::IntRect kNoHitBox{-1, -1, -1, -1};

bool overlapsStrictly(const graphs::IntRect& band, const graphs::IntRect& cell) {
    return band.left < cell.right && cell.left < band.right && band.top < cell.bottom &&
           cell.top < band.bottom;
}

// The rectangle spanned by the selected cells, scanning rows and then
// columns; {-1, -1, -1, -1} unless the selection is one solid rectangle
// with at least three cells along one side.
struct RectBounds {
    int firstCol = -1;
    int lastCol = -1;
    int firstRow = -1;
    int lastRow = -1;
};

RectBounds rectangleOf(const std::array<std::int16_t, kSelectionCells>& flags, int rows,
                       int columns) {
    RectBounds b;
    bool fault = false;
    int count = 0;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            if ((flags[10 * r + c] & kCellSelected) != 0) {
                ++count;
                if (b.firstCol < 0) b.firstCol = c;
                if (b.firstRow < 0) b.firstRow = r;
                if (c < b.firstCol) fault = true;
                if (b.lastCol >= 0 && c > b.lastCol) fault = true;
                if (b.lastRow >= 0 && r > b.lastRow) fault = true;
            } else if (b.firstCol >= 0) {
                if (b.lastCol < 0) b.lastCol = c - 1;
                if (c >= b.firstCol && c <= b.lastCol && b.firstRow >= 0 && b.lastRow < 0) {
                    b.lastRow = r - 1;
                    if (c > b.firstCol) fault = true;
                }
            }
        }
        if (b.firstCol >= 0 && b.lastCol < 0) b.lastCol = columns - 1;
    }
    if (b.firstRow >= 0 && b.lastRow < 0) b.lastRow = rows - 1;
    const bool wideEnough = b.lastCol - b.firstCol >= 2 || b.lastRow - b.firstRow >= 2;
    if (count == 0 || fault || !wideEnough) return {};
    return b;
}

graphs::IntRect grown(const graphs::IntRect& r, int d) {
    return {r.left - d, r.top - d, r.right + d, r.bottom + d};
}

// Moves a band corner to the centre of the cell's hit box, if it has one.
void moveToCentre(const graphs::IntRect& box, int& x, int& y) {
    if (box.left < 0) return;
    x = (box.left + box.right) / 2;
    y = (box.top + box.bottom) / 2;
}

}  // namespace

graphs::IntRect TSelcell::band() const {
    return {std::min(anchorX, currentX), std::min(anchorY, currentY), std::max(anchorX, currentX),
            std::max(anchorY, currentY)};
}

void TSelcell::StartBand(int x, int y, bool keepAnchor, bool keepFlags) {
    currentX = x;
    currentY = y;
    if (!keepAnchor) {
        anchorX = x;
        anchorY = y;
    }
    if (!keepAnchor && !keepFlags) cellFlags.fill(0);
    state = BandState::Banding;
    ExtendBand(x, y);
}

bool TSelcell::ExtendBand(int x, int y) {
    if (state != BandState::Banding || (x == currentX && y == currentY)) return false;
    // A view of no size still keeps the corner at its origin.
    currentX = std::clamp(x, 0, std::max(boundsWidth - 1, 0));
    currentY = std::clamp(y, 0, std::max(boundsHeight - 1, 0));
    const graphs::IntRect b = band();
    for (int i = 0; i < kSelectionCells; ++i) {
        if (overlapsStrictly(b, cellRects[i]))
            cellFlags[i] = static_cast<std::int16_t>(cellFlags[i] | kCellInBand);
        else
            cellFlags[i] = static_cast<std::int16_t>(cellFlags[i] & ~kCellInBand);
    }
    return true;
}

void TSelcell::FinishBand() {
    bool any = false;
    for (std::int16_t& f : cellFlags) {
        if ((f & kCellInBand) != 0) f = static_cast<std::int16_t>(f ^ kCellSelected);
        f = static_cast<std::int16_t>(f & kCellSelected);
        any = any || f != 0;
    }
    const RectBounds b = rectangleOf(cellFlags, rows, columns);
    rectFirstCol = b.firstCol;
    rectLastCol = b.lastCol;
    rectFirstRow = b.firstRow;
    rectLastRow = b.lastRow;
    if (hasRectangle()) {
        for (int r : {rectFirstRow, rectLastRow})
            for (int c : {rectFirstCol, rectLastCol})
                cellFlags[10 * r + c] =
                    static_cast<std::int16_t>(cellFlags[10 * r + c] | kCellCorner);
    }
    state = any ? BandState::Selected : BandState::Empty;
}

void TSelcell::ClearHitBoxes() {
    cellRects.fill(kNoHitBox);
}

void TSelcell::SelectCells(CellPos anchor, CellPos corner) {
    auto inGrid = [&](CellPos p) {
        return CellPos{std::clamp(p.row, 0, rows - 1), std::clamp(p.column, 0, columns - 1)};
    };
    anchor = inGrid(anchor);
    corner = inGrid(corner);
    moveToCentre(cellRects[10 * anchor.row + anchor.column], anchorX, anchorY);
    moveToCentre(cellRects[10 * corner.row + corner.column], currentX, currentY);
    const CellRange band = CellRange::spanning(anchor, corner);
    cellFlags.fill(0);
    for (int r = band.firstRow; r <= band.lastRow; ++r)
        for (int c = band.firstColumn; c <= band.lastColumn; ++c)
            cellFlags[10 * r + c] = kCellInBand;
    FinishBand();
}

void TSelcell::Clear() {
    cellFlags.fill(0);
    FinishBand();
}

CellRange TSelcell::selectedRange() const {
    CellRange box{rows, columns, -1, -1};
    int count = 0;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            if ((flags(r, c) & kCellSelected) == 0) continue;
            ++count;
            box = {std::min(box.firstRow, r), std::min(box.firstColumn, c),
                   std::max(box.lastRow, r), std::max(box.lastColumn, c)};
        }
    }
    if (count == 0 || count != box.rowCount() * box.columnCount()) return {};
    return box;
}

void TSelcell::CopyFrom(const TSelcell& other) {
    state = other.state;
    cellFlags = other.cellFlags;
    rectFirstCol = other.rectFirstCol;
    rectLastCol = other.rectLastCol;
    rectFirstRow = other.rectFirstRow;
    rectLastRow = other.rectLastRow;
}

void TSelcell::DrawOverlay(graphs::Canvas& canvas, graphs::Rgb background) const {
    canvas.setPen(background);
    canvas.setBrush(background);
    canvas.rectangle({0, 0, canvas.width(), canvas.height()});
    canvas.setPen(graphs::colour::kRed);
    if (banding()) canvas.frameRect(band());
    for (int i = 0; i < kSelectionCells; ++i) {
        const std::int16_t f = cellFlags[i];
        const graphs::IntRect& box = cellRects[i];
        if (f == 0 || box.left < 0) continue;
        const bool inBand = (f & kCellInBand) != 0;
        const bool selected = (f & kCellSelected) != 0;
        graphs::Rgb frame = graphs::colour::kBlue;
        if (inBand)
            frame = selected ? graphs::colour::kYellow : graphs::colour::kRed;
        else if ((f & kCellCorner) != 0)
            frame = graphs::colour::kDarkGreen;
        canvas.setPen(frame);
        canvas.frameRect(box);
        canvas.frameRect(grown(box, 1));
    }
}

}  // namespace tz::editing
