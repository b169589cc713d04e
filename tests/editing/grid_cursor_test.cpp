#include "editing/grid_cursor.h"

#include <gtest/gtest.h>

#include "editing/selection.h"

namespace tz::editing {
namespace {

constexpr CellRange kAllRows{0, 0, 9, 9};
constexpr CellRange kLastRowOnly{9, 0, 9, 9};

TEST(GridCursor, ArrowsMoveTheFocusAndStopAtTheEdges) {
    GridCursor cursor(kAllRows);
    cursor.place({8, 8});
    cursor.move(1, 0, false);  // Down: the next throttle row as shown
    EXPECT_EQ(cursor.focus(), (CellPos{9, 8}));
    cursor.move(1, 0, false);
    cursor.move(0, 1, false);
    cursor.move(0, 1, false);
    EXPECT_EQ(cursor.focus(), (CellPos{9, 9}));
    EXPECT_EQ(cursor.anchor(), cursor.focus());
}

TEST(GridCursor, ShiftKeepsTheAnchorAndAClickMovesIt) {
    GridCursor cursor(kAllRows);
    cursor.place({2, 3});
    cursor.move(0, 1, true);
    cursor.move(1, 0, true);
    EXPECT_EQ(cursor.anchor(), (CellPos{2, 3}));
    EXPECT_EQ(cursor.focus(), (CellPos{3, 4}));
    cursor.move(0, -1, false);
    EXPECT_EQ(cursor.anchor(), (CellPos{3, 3}));
    cursor.place({5, 5});
    EXPECT_EQ(cursor.anchor(), (CellPos{5, 5}));
}

TEST(GridCursor, WithOneRowShownTheSelectionStaysInIt) {
    GridCursor cursor(kAllRows);
    cursor.place({4, 2});
    cursor.setArea(kLastRowOnly);  // the TPS map switched off
    EXPECT_EQ(cursor.focus(), (CellPos{9, 2}));
    cursor.move(-1, 0, true);  // Up has nowhere to go
    cursor.move(0, 2, true);
    TSelcell selection;
    selection.SelectCells(cursor.anchor(), cursor.focus());
    EXPECT_EQ(selection.selectedRange(), (CellRange{9, 2, 9, 4}));
    EXPECT_EQ((std::array{selection.rectFirstRow, selection.rectLastRow}), (std::array{9, 9}));
}

}  // namespace
}  // namespace tz::editing
