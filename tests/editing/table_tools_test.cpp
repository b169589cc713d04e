#include "editing/table_tools.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <ostream>
#include <vector>

#include "editing/cell_block_text.h"
#include "editing/image_tables.h"

namespace tz::editing {

void PrintTo(const CellRange& r, std::ostream* os) {
    *os << "(" << r.firstRow << "," << r.firstColumn << ")-(" << r.lastRow << "," << r.lastColumn
        << ")";
}

namespace {

using Rows = std::vector<std::vector<int>>;

// A table held in memory: every cell 0..60 unless a case says otherwise.
class GridTable final : public CellTable {
  public:
    explicit GridTable(Rows rows, CellLimits limits = {0, 60}, bool shareUnit = true)
        : rows_(std::move(rows)), limits_(limits), shareUnit_(shareUnit) {}

    CellRange area() const override {
        return {0, 0, static_cast<int>(rows_.size()) - 1, static_cast<int>(rows_[0].size()) - 1};
    }
    int value(CellPos p) const override { return rows_.at(p.row).at(p.column); }
    CellLimits limits(CellPos) const override { return limits_; }
    void store(CellPos p, int v) override { rows_.at(p.row).at(p.column) = v; }
    bool rowsShareUnit() const override { return shareUnit_; }

    const Rows& rows() const { return rows_; }

  private:
    Rows rows_;
    CellLimits limits_;
    bool shareUnit_;
};

const Rows kStart = {
    {10, 20, 30, 40},
    {50, 60, 0, 5},
    {1, 2, 3, 4},
};

struct ToolCase {
    const char* name;
    std::function<ToolResult(CellTable&)> tool;
    Rows after;
    ToolResult result;
};

TEST(TableTools, EachToolOnASmallTable) {
    const ToolCase cases[] = {
        {"set",
         [](CellTable& t) {
             return setCells(t, {0, 1, 1, 2}, 25);
         },
         {{10, 25, 25, 40}, {50, 25, 25, 5}, {1, 2, 3, 4}},
         {{0, 1, 1, 2}, 0, 4}},
        {"set above the range",
         [](CellTable& t) {
             return setCells(t, {0, 0, 0, 1}, 70);
         },
         {{60, 60, 30, 40}, {50, 60, 0, 5}, {1, 2, 3, 4}},
         {{0, 0, 0, 1}, 2, 2}},
        {"set below the range",
         [](CellTable& t) {
             return setCells(t, {2, 3, 2, 3}, -5);
         },
         {{10, 20, 30, 40}, {50, 60, 0, 5}, {1, 2, 3, 0}},
         {{2, 3, 2, 3}, 1, 1}},
        {"add",
         [](CellTable& t) {
             return addToCells(t, {1, 0, 1, 3}, 5);
         },
         {{10, 20, 30, 40}, {55, 60, 5, 10}, {1, 2, 3, 4}},
         {{1, 0, 1, 3}, 1, 4}},
        {"subtract",
         [](CellTable& t) {
             return addToCells(t, {1, 2, 2, 3}, -3);
         },
         {{10, 20, 30, 40}, {50, 60, 0, 2}, {1, 2, 0, 1}},
         {{1, 2, 2, 3}, 1, 4}},
        {"scale up",
         [](CellTable& t) {
             return scaleCells(t, {0, 0, 0, 3}, 150);
         },
         {{15, 30, 45, 60}, {50, 60, 0, 5}, {1, 2, 3, 4}},
         {{0, 0, 0, 3}, 0, 4}},
        {"scale rounds half away from zero",
         [](CellTable& t) {
             return scaleCells(t, {2, 0, 2, 3}, 125);
         },
         {{10, 20, 30, 40}, {50, 60, 0, 5}, {1, 3, 4, 5}},
         {{2, 0, 2, 3}, 0, 4}},
        {"scale by a decimal percent",
         [](CellTable& t) {
             return scaleCells(t, {0, 1, 0, 1}, 102.5);
         },
         {{10, 21, 30, 40}, {50, 60, 0, 5}, {1, 2, 3, 4}},
         {{0, 1, 0, 1}, 0, 1}},
        {"scale past the limits",
         [](CellTable& t) {
             return scaleCells(t, {1, 0, 1, 1}, 200);
         },
         {{10, 20, 30, 40}, {60, 60, 0, 5}, {1, 2, 3, 4}},
         {{1, 0, 1, 1}, 2, 2}},
        {"negative scale",
         [](CellTable& t) {
             return scaleCells(t, {0, 3, 0, 3}, -10);
         },
         {{10, 20, 30, 0}, {50, 60, 0, 5}, {1, 2, 3, 4}},
         {{0, 3, 0, 3}, 1, 1}},
        {"scale by no number",
         [](CellTable& t) {
             return scaleCells(t, {0, 0, 2, 3}, std::nan(""));
         },
         kStart,
         {}},
        {"range cut at the table's edge",
         [](CellTable& t) {
             return setCells(t, {1, 2, 5, 9}, 9);
         },
         {{10, 20, 30, 40}, {50, 60, 9, 9}, {1, 2, 9, 9}},
         {{1, 2, 2, 3}, 0, 4}},
        {"range outside the table",
         [](CellTable& t) {
             return addToCells(t, {3, 0, 4, 3}, 1);
         },
         kStart,
         {}},
        {"empty range", [](CellTable& t) { return setCells(t, {}, 1); }, kStart, {}},
    };
    for (const ToolCase& k : cases) {
        SCOPED_TRACE(k.name);
        GridTable table(kStart);
        EXPECT_EQ(k.tool(table), k.result);
        EXPECT_EQ(table.rows(), k.after);
    }
}

TEST(TableTools, ScalingHalvesRoundAwayFromZero) {
    GridTable table({{5, 1, -5, -1}}, {-100, 100});
    scaleCells(table, table.area(), 50);
    EXPECT_EQ(table.rows(), (Rows{{3, 1, -3, -1}}));
}

// Smoothing.

TEST(TableTools, SmoothingWeighsSidesTwiceAsMuchAsCorners) {
    // A lone peak of 9: a corner cell sees it diagonally (9 / 9), an edge
    // cell beside it (18 / 12 = 1.5, rounded up), the centre itself (36 / 16).
    GridTable table({{0, 0, 0}, {0, 9, 0}, {0, 0, 0}});
    EXPECT_EQ(smoothCells(table, table.area()), (ToolResult{{0, 0, 2, 2}, 0, 9}));
    EXPECT_EQ(table.rows(), (Rows{{1, 2, 1}, {2, 2, 2}, {1, 2, 1}}));
}

TEST(TableTools, SmoothingUsesOnlyNeighboursInsideTheRange) {
    GridTable table({{60, 0, 10, 20, 30, 60}, {60, 60, 60, 60, 60, 60}});
    smoothCells(table, {0, 1, 0, 4});
    // (4*0 + 2*10) / 6, (2*0 + 4*10 + 2*20) / 8, ..., (2*20 + 4*30) / 6
    EXPECT_EQ(table.rows(), (Rows{{60, 3, 10, 20, 27, 60}, {60, 60, 60, 60, 60, 60}}));
}

TEST(TableTools, SmoothingRoundsNegativeHalvesAwayFromZero) {
    GridTable table({{-1, 0, -1}}, {-60, 60});
    smoothCells(table, table.area());
    EXPECT_EQ(table.rows(), (Rows{{-1, -1, -1}}));  // the middle is -0.5
}

TEST(TableTools, SmoothingKeepsRowsOfDifferentQuantitiesApart) {
    GridTable table({{0, 9, 0}, {100, 100, 100}}, {0, 1000}, false);
    smoothCells(table, table.area());
    EXPECT_EQ(table.rows(), (Rows{{3, 5, 3}, {100, 100, 100}}));
}

TEST(TableTools, SmoothingReportsResultsBelowACellsOwnRange) {
    // The first RPM breakpoint may go down to 199 rpm, the others to 300.
    Image image{};
    for (int c = 0; c < 10; ++c) image[field::RPM_ADV + c] = static_cast<std::uint8_t>(2 + c);
    RpmBreakpointTable table(image);
    EXPECT_EQ(smoothCells(table, {0, 0, 0, 1}).clamped, 1);  // (2*200 + 4*300) / 6 = 267
    EXPECT_EQ(image[field::RPM_ADV + 1], 3);
}

// Paste.

CellBlock parsed(std::string_view text) {
    return std::get<CellBlock>(parseCellBlock(text));
}

struct PasteCase {
    const char* name;
    CellRange target;
    std::string text;
    Rows after;
    ToolResult result;
};

TEST(TableTools, PasteAtTheTopLeftCutAtTheEdges) {
    const PasteCase cases[] = {
        {"block inside",
         {0, 1, 0, 1},
         "1\t2\n3\t4\n",
         {{10, 1, 2, 40}, {50, 3, 4, 5}, {1, 2, 3, 4}},
         {{0, 1, 1, 2}, 0, 4}},
        {"block larger than the selection",
         {1, 0, 1, 0},
         "7\t8\t9\n",
         {{10, 20, 30, 40}, {7, 8, 9, 5}, {1, 2, 3, 4}},
         {{1, 0, 1, 2}, 0, 3}},
        {"cut at the right and bottom edges",
         {1, 2, 2, 3},
         "1\t2\t3\n4\t5\t6\n7\t8\t9\n",
         {{10, 20, 30, 40}, {50, 60, 1, 2}, {1, 2, 4, 5}},
         {{1, 2, 2, 3}, 0, 4}},
        {"one value fills the selection",
         {0, 0, 1, 1},
         "33\r\n",
         {{33, 33, 30, 40}, {33, 33, 0, 5}, {1, 2, 3, 4}},
         {{0, 0, 1, 1}, 0, 4}},
        {"one value at the focused cell",
         {2, 3, 2, 3},
         "33",
         {{10, 20, 30, 40}, {50, 60, 0, 5}, {1, 2, 3, 33}},
         {{2, 3, 2, 3}, 0, 1}},
        {"blank cells keep theirs",
         {0, 0, 0, 0},
         "\t9\n8\n",
         {{10, 9, 30, 40}, {8, 60, 0, 5}, {1, 2, 3, 4}},
         {{0, 0, 1, 1}, 0, 2}},
        {"values out of range are clamped",
         {2, 0, 2, 0},
         "99\t-1\t61\t60\n",
         {{10, 20, 30, 40}, {50, 60, 0, 5}, {60, 0, 60, 60}},
         {{2, 0, 2, 3}, 3, 4}},
    };
    for (const PasteCase& k : cases) {
        SCOPED_TRACE(k.name);
        GridTable table(kStart);
        EXPECT_EQ(pasteCells(table, k.target, parsed(k.text)), k.result);
        EXPECT_EQ(table.rows(), k.after);
    }
}

TEST(TableTools, PasteIntoTheSingleRowOfTheMapLeavesTheHiddenRows) {
    Image image{};
    AdvanceMapTable table(image, false);
    const ToolResult r = pasteCells(table, {9, 8, 9, 8}, parsed("1\t2\t3\n4\t5\t6\n"));
    EXPECT_EQ(r, (ToolResult{{9, 8, 9, 9}, 0, 2}));
    Image expected{};
    expected[advanceCell(9, 8)] = 1;
    expected[advanceCell(9, 9)] = 2;
    EXPECT_EQ(image, expected);
}

// Copy.

TEST(TableTools, CopyGivesTheRangeInsideTheArea) {
    const GridTable table(kStart);
    EXPECT_EQ(formatCellBlock(copyCells(table, {1, 2, 7, 7})), "0\t5\n3\t4\n");
    EXPECT_EQ(copyCells(table, {5, 5, 6, 6}), CellBlock{});
}

TEST(TableTools, AMapBlockCopiedAsTextPastesElsewhereAndCopiesBackUnchanged) {
    Image from{};
    for (int i = 0; i < 100; ++i) from[field::ADVANCE + i] = static_cast<std::uint8_t>(i % 61);
    AdvanceMapTable source(from, true);
    const std::string text = formatCellBlock(copyCells(source, {2, 3, 5, 8}));
    EXPECT_TRUE(text.starts_with("23\t24\t25\t26\t27\t28\n33\t")) << text;

    Image to{};
    AdvanceMapTable target(to, true);
    EXPECT_EQ(pasteCells(target, {0, 0, 0, 0}, parsed(text)), (ToolResult{{0, 0, 3, 5}, 0, 24}));
    EXPECT_EQ(formatCellBlock(copyCells(target, {0, 0, 3, 5})), text);
}

}  // namespace
}  // namespace tz::editing
