#include "editing/cell_range_text.h"

#include <gtest/gtest.h>

namespace tz::editing {
namespace {

TEST(CellRangeText, ReadsCellsAndRectanglesCountedFromOne) {
    struct Case {
        const char* text;
        std::optional<CellRange> range;
    };
    const Case cases[] = {
        {"3:4", CellRange{2, 3, 2, 3}},
        {"1:1-10:10", CellRange{0, 0, 9, 9}},
        {"10:9-2:3", CellRange{1, 2, 9, 8}},  // corners in either order
        {"2:9-9:2", CellRange{1, 1, 8, 8}},
        {"9999:1", CellRange{9998, 0, 9998, 0}},
        {"0:1", std::nullopt},
        {"10000:1", std::nullopt},
        {"1:1-", std::nullopt},
        {"1:1-2", std::nullopt},
        {"1;1", std::nullopt},
        {" 1:1", std::nullopt},
        {"1:1 ", std::nullopt},
        {"-1:1", std::nullopt},
        {"+1:1", std::nullopt},
        {"1:1-2:2-3:3", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(parseCellRangeText(c.text), c.range) << c.text;
}

TEST(CellRangeText, WritesTheTopLeftCornerFirst) {
    EXPECT_EQ(formatCellRangeText({1, 2, 9, 8}), "2:3-10:9");
    EXPECT_EQ(formatCellRangeText({4, 4, 4, 4}), "5:5");
}

}  // namespace
}  // namespace tz::editing
