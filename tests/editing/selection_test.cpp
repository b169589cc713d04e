#include "editing/selection.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "canvas/recording_canvas.h"
#include "editing/interpolation.h"
#include "params/param_state.h"

namespace tz::editing {
namespace {

using Cells = std::set<std::pair<int, int>>;  // (row, column)

// Cell (r, c) is hit in x = 20c .. 20c + 10, y = 20r .. 20r + 10 of a
// 200 x 200 view; the centre of a cell is at (20c + 5, 20r + 5).
class SelectionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int r = 0; r < 10; ++r)
            for (int c = 0; c < 10; ++c)
                sel.cellRects[10 * r + c] = {20 * c, 20 * r, 20 * c + 10, 20 * r + 10};
        sel.boundsWidth = 200;
        sel.boundsHeight = 200;
    }

    // A band from the centre of one cell to the centre of another.
    void drag(int r0, int c0, int r1, int c1, bool shift = false, bool ctrl = false) {
        sel.StartBand(20 * c0 + 5, 20 * r0 + 5, shift, ctrl);
        sel.ExtendBand(20 * c1 + 5, 20 * r1 + 5);
        sel.FinishBand();
    }

    void select(const Cells& cells) {
        sel.cellFlags.fill(0);
        for (auto [r, c] : cells) sel.cellFlags[10 * r + c] = kCellSelected;
        sel.FinishBand();
    }

    Cells selected() const {
        Cells out;
        for (int i = 0; i < 100; ++i)
            if (sel.cellFlags[i] & kCellSelected) out.insert({i / 10, i % 10});
        return out;
    }

    TSelcell sel;
};

Cells block(int r0, int c0, int r1, int c1) {
    Cells out;
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c) out.insert({r, c});
    return out;
}

TEST_F(SelectionTest, PlainDragSelectsTheTouchedCellsAndMarksTheCorners) {
    drag(2, 3, 4, 5);
    EXPECT_EQ(selected(), block(2, 3, 4, 5));
    EXPECT_EQ(sel.state, BandState::Selected);
    EXPECT_EQ((std::array{sel.rectFirstRow, sel.rectLastRow, sel.rectFirstCol, sel.rectLastCol}),
              (std::array{2, 4, 3, 5}));
    Cells corners;
    for (int i = 0; i < 100; ++i)
        if (sel.cellFlags[i] & kCellCorner) corners.insert({i / 10, i % 10});
    EXPECT_EQ(corners, (Cells{{2, 3}, {2, 5}, {4, 3}, {4, 5}}));
}

TEST_F(SelectionTest, ClickWithoutMovementClearsTheSelection) {
    drag(2, 3, 4, 5);
    drag(2, 3, 2, 3);
    EXPECT_TRUE(selected().empty());
    EXPECT_EQ(sel.state, BandState::Empty);
    EXPECT_FALSE(sel.hasRectangle());
}

TEST_F(SelectionTest, BandOverlapsCellsStrictly) {
    // A band whose right edge ends on a cell's left edge does not take it.
    sel.StartBand(0, 0, false, false);
    sel.ExtendBand(20, 5);
    sel.FinishBand();
    EXPECT_EQ(selected(), (Cells{{0, 0}}));
}

TEST_F(SelectionTest, BandCornerStaysInsideTheView) {
    sel.StartBand(195, 195, false, false);
    EXPECT_TRUE(sel.ExtendBand(500, -40));
    EXPECT_EQ(sel.currentX, 199);
    EXPECT_EQ(sel.currentY, 0);
}

TEST_F(SelectionTest, ViewWithoutSizeKeepsTheCornerAtItsOrigin) {
    sel.boundsWidth = 0;
    sel.boundsHeight = 0;
    sel.StartBand(0, 0, false, false);
    EXPECT_TRUE(sel.ExtendBand(30, 30));
    EXPECT_EQ(sel.currentX, 0);
    EXPECT_EQ(sel.currentY, 0);
}

TEST_F(SelectionTest, ExtendReportsNoChangeWithoutMovementOrBand) {
    EXPECT_FALSE(sel.ExtendBand(50, 50));  // no band
    sel.StartBand(10, 10, false, false);
    EXPECT_FALSE(sel.ExtendBand(10, 10));
    EXPECT_TRUE(sel.ExtendBand(11, 10));
}

struct RectangleCase {
    const char* name;
    Cells cells;
    bool usable;
    std::array<int, 4> bounds;  // first row, last row, first column, last column
};

TEST_F(SelectionTest, RectangleTest) {
    Cells hole = block(2, 2, 4, 4);
    hole.erase({3, 3});
    Cells lDown = block(2, 2, 2, 4);
    lDown.insert({3, 2});
    Cells lUp = block(3, 2, 3, 4);
    lUp.insert({2, 2});
    Cells twoBlocks = block(0, 0, 2, 0);
    twoBlocks.merge(block(0, 5, 2, 5));
    const RectangleCase cases[] = {
        {"row of three", block(5, 0, 5, 2), true, {5, 5, 0, 2}},
        {"column of three", block(0, 9, 2, 9), true, {0, 2, 9, 9}},
        {"three by two at the right edge", block(7, 7, 8, 9), true, {7, 8, 7, 9}},
        {"whole map", block(0, 0, 9, 9), true, {0, 9, 0, 9}},
        {"two by two", block(4, 4, 5, 5), false, {}},
        {"single cell", block(4, 4, 4, 4), false, {}},
        {"L down", lDown, false, {}},
        {"L up", lUp, false, {}},
        {"hole", hole, false, {}},
        {"two blocks", twoBlocks, false, {}},
        {"diagonal", {{0, 0}, {1, 1}, {2, 2}}, false, {}},
    };
    for (const RectangleCase& k : cases) {
        SCOPED_TRACE(k.name);
        select(k.cells);
        EXPECT_EQ(sel.hasRectangle(), k.usable);
        if (k.usable)
            EXPECT_EQ(
                (std::array{sel.rectFirstRow, sel.rectLastRow, sel.rectFirstCol, sel.rectLastCol}),
                k.bounds);
        else
            EXPECT_EQ(
                (std::array{sel.rectFirstRow, sel.rectLastRow, sel.rectFirstCol, sel.rectLastCol}),
                (std::array{-1, -1, -1, -1}));
        int corners = 0;
        for (std::int16_t f : sel.cellFlags) corners += (f & kCellCorner) ? 1 : 0;
        EXPECT_EQ(corners > 0, k.usable);
    }
}

TEST_F(SelectionTest, CtrlDragTogglesTouchedCellsInTheSelection) {
    drag(2, 2, 4, 4);
    drag(4, 4, 4, 4, false, true);  // a Ctrl click keeps everything
    EXPECT_EQ(selected(), block(2, 2, 4, 4));
    sel.StartBand(20 * 4 + 5, 20 * 4 + 5, false, true);
    sel.ExtendBand(20 * 4 + 6, 20 * 4 + 5);
    sel.FinishBand();
    Cells expected = block(2, 2, 4, 4);
    expected.erase({4, 4});
    EXPECT_EQ(selected(), expected);
    EXPECT_FALSE(sel.hasRectangle());
    EXPECT_EQ(sel.state, BandState::Selected);
}

TEST_F(SelectionTest, ShiftDragTogglesFromTheOldAnchor) {
    drag(2, 2, 3, 3);
    drag(0, 0, 4, 4, true);  // anchor stays at (2, 2)
    Cells expected = block(2, 2, 4, 4);
    for (const auto& cell : block(2, 2, 3, 3)) expected.erase(cell);
    EXPECT_EQ(selected(), expected);
}

// Selection from the keyboard.

struct KeyedCase {
    const char* name;
    CellPos anchor;
    CellPos corner;
};

TEST_F(SelectionTest, KeyboardSelectionEndsAsABandOverTheSameCells) {
    const KeyedCase cases[] = {
        {"row of three", {5, 0}, {5, 2}}, {"up and to the left", {6, 7}, {3, 5}},
        {"two by two", {4, 4}, {5, 5}},   {"single cell", {1, 1}, {1, 1}},
        {"whole map", {9, 9}, {0, 0}},
    };
    drag(0, 0, 9, 0);
    sel.StartBand(20 * 5 + 5, 20 * 5 + 5, false, true);  // plus a Ctrl band
    sel.ExtendBand(20 * 6 + 5, 20 * 5 + 5);
    sel.FinishBand();
    for (const KeyedCase& k : cases) {
        SCOPED_TRACE(k.name);
        const bool oneCell = k.anchor == k.corner;
        TSelcell dragged = sel;
        // The mouse must move a pixel for a band to take a single cell.
        dragged.StartBand(20 * k.anchor.column + 5, 20 * k.anchor.row + 5, false, false);
        dragged.ExtendBand(20 * k.corner.column + 5 + (oneCell ? 1 : 0), 20 * k.corner.row + 5);
        dragged.FinishBand();
        TSelcell keyed = sel;
        keyed.SelectCells(k.anchor, k.corner);

        EXPECT_EQ(keyed.state, dragged.state);
        EXPECT_EQ(keyed.cellFlags, dragged.cellFlags);
        EXPECT_EQ((std::array{keyed.rectFirstRow, keyed.rectLastRow, keyed.rectFirstCol,
                              keyed.rectLastCol}),
                  (std::array{dragged.rectFirstRow, dragged.rectLastRow, dragged.rectFirstCol,
                              dragged.rectLastCol}));
        // A later Shift band continues from the same anchor.
        EXPECT_EQ((std::array{keyed.anchorX, keyed.anchorY}),
                  (std::array{dragged.anchorX, dragged.anchorY}));
        if (!oneCell) {
            EXPECT_EQ((std::array{keyed.currentX, keyed.currentY}),
                      (std::array{dragged.currentX, dragged.currentY}));
        }
    }
}

TEST_F(SelectionTest, ClearEndsAsAClickWithoutMovement) {
    drag(2, 3, 4, 5);
    TSelcell clicked = sel;
    clicked.StartBand(20 * 3 + 5, 20 * 3 + 5, false, false);
    clicked.FinishBand();
    sel.Clear();
    EXPECT_EQ(sel.state, clicked.state);
    EXPECT_EQ(sel.cellFlags, clicked.cellFlags);
    EXPECT_FALSE(sel.hasRectangle());
}

TEST_F(SelectionTest, SelectedRangeIsAnySolidRectangle) {
    Cells hole = block(2, 2, 4, 4);
    hole.erase({3, 3});
    Cells lShape = block(2, 2, 2, 4);
    lShape.insert({3, 2});
    const std::pair<Cells, CellRange> cases[] = {
        {block(4, 4, 5, 5), {4, 4, 5, 5}},
        {block(7, 1, 7, 1), {7, 1, 7, 1}},
        {block(0, 0, 9, 9), {0, 0, 9, 9}},
        {{}, {}},
        {hole, {}},
        {lShape, {}},
    };
    for (const auto& [cells, range] : cases) {
        select(cells);
        EXPECT_EQ(sel.selectedRange(), range) << cells.size() << " cells";
    }
}

TEST_F(SelectionTest, CopyFromTakesStateFlagsAndRectangleOnly) {
    drag(1, 1, 1, 3);
    TSelcell copy;
    copy.anchorX = 77;
    copy.cellRects[0] = {1, 2, 3, 4};
    copy.CopyFrom(sel);
    EXPECT_EQ(copy.state, sel.state);
    EXPECT_EQ(copy.cellFlags, sel.cellFlags);
    EXPECT_EQ(copy.rectLastCol, 3);
    EXPECT_EQ(copy.anchorX, 77);
    EXPECT_EQ(copy.cellRects[0], (graphs::IntRect{1, 2, 3, 4}));
}

TEST_F(SelectionTest, OverlayFramesCellsByTheirState) {
    using namespace graphs::colour;
    drag(0, 0, 0, 2);  // selected row, corners at both ends
    sel.StartBand(20 * 1 + 5, 5, false, true);
    sel.ExtendBand(20 * 3 + 5, 5);        // band over (0,1) selected and (0,3) not
    sel.cellRects[2] = {-1, -1, -1, -1};  // a hidden cell is not framed
    graphs::RecordingCanvas canvas(200, 200);
    sel.DrawOverlay(canvas, kWhite);

    const auto& calls = canvas.calls();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[0].op, graphs::DrawOp::Rectangle);
    EXPECT_EQ(calls[0].brush, kWhite);
    EXPECT_EQ(calls[1].op, graphs::DrawOp::FrameRect);
    EXPECT_EQ(calls[1].pen, kRed);
    EXPECT_EQ(calls[1].rect, (graphs::IntRect{25, 5, 65, 5}));
    std::vector<graphs::Rgb> frames;
    for (std::size_t i = 2; i < calls.size(); i += 2) frames.push_back(calls[i].pen);
    EXPECT_EQ(frames, (std::vector<graphs::Rgb>{kDarkGreen, kYellow, kRed}));
    EXPECT_EQ(calls.size(), 2u + 2 * 3);
}

// Interpolation.

class InterpolationTest : public SelectionTest {
  protected:
    void SetUp() override {
        SelectionTest::SetUp();
        for (int c = 0; c < 10; ++c)
            image[field::RPM_ADV + c] = static_cast<std::uint8_t>(10 * (c + 1));
        for (int i = 0; i < 100; ++i) image[field::ADVANCE + i] = 7;
    }
    Image image{};
};

TEST_F(InterpolationTest, ColumnsFollowTheirSpeedsAndRoundHalfUp) {
    image[field::RPM_ADV + 0] = 10;
    image[field::RPM_ADV + 1] = 15;
    image[field::RPM_ADV + 2] = 30;
    image[advanceCell(4, 0)] = 20;
    image[advanceCell(4, 2)] = 30;
    select(block(4, 0, 4, 2));
    EXPECT_EQ(interpolateSelection(sel, image), InterpolationResult::Interpolated);
    EXPECT_EQ(image[advanceCell(4, 1)], 23);  // 22.5
    EXPECT_EQ(image[advanceCell(4, 3)], 7);
    EXPECT_EQ(image[advanceCell(3, 1)], 7);
}

TEST_F(InterpolationTest, RowsAreWeightedEvenlyByIndex) {
    // Corners 0 and 40 at the top, 20 and 60 at the bottom of a 5 x 3 block.
    image[advanceCell(2, 0)] = 0;
    image[advanceCell(2, 2)] = 40;
    image[advanceCell(6, 0)] = 20;
    image[advanceCell(6, 2)] = 60;
    select(block(2, 0, 6, 2));
    ASSERT_EQ(interpolateSelection(sel, image), InterpolationResult::Interpolated);
    EXPECT_EQ(image[advanceCell(4, 0)], 10);
    EXPECT_EQ(image[advanceCell(4, 1)], 30);
    EXPECT_EQ(image[advanceCell(3, 2)], 45);
    EXPECT_EQ(image[advanceCell(6, 1)], 40);
}

TEST_F(InterpolationTest, EqualBreakpointsTakeTheMiddle) {
    for (int c = 0; c < 3; ++c) image[field::RPM_ADV + c] = 50;
    image[advanceCell(0, 0)] = 10;
    image[advanceCell(0, 2)] = 21;
    select(block(0, 0, 0, 2));
    ASSERT_EQ(interpolateSelection(sel, image), InterpolationResult::Interpolated);
    EXPECT_EQ(image[advanceCell(0, 0)], 16);  // 15.5 everywhere
    EXPECT_EQ(image[advanceCell(0, 1)], 16);
    EXPECT_EQ(image[advanceCell(0, 2)], 16);
}

TEST_F(InterpolationTest, NoRectangleLeavesTheImageUnchanged) {
    const Image before = image;
    select(block(4, 4, 5, 5));
    EXPECT_EQ(interpolateSelection(sel, image), InterpolationResult::NoRectangle);
    select({});
    EXPECT_EQ(interpolateSelection(sel, image), InterpolationResult::NoRectangle);
    EXPECT_EQ(image, before);
}

}  // namespace
}  // namespace tz::editing
