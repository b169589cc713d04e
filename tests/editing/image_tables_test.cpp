#include "editing/image_tables.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace tz::editing {
namespace {

struct FieldCase {
    const char* name;
    std::function<std::unique_ptr<CellTable>(Image&)> table;
    CellPos cell;
    int byte;
    CellLimits limits;
    std::uint8_t storedByte;  // this byte...
    int shown;                // ...is shown as this value
    int typed;                // storing this value...
    std::uint8_t typedByte;   // ...gives this byte
};

template <typename T, typename... Args>
std::function<std::unique_ptr<CellTable>(Image&)> make(Args... args) {
    return [=](Image& image) { return std::make_unique<T>(image, args...); };
}

// Each case: where the cell lives, its range, and how the window shows and
// stores it (scaled, limited to the up/down's range, remainder dropped).
TEST(ImageTables, CellsMapToTheirBytesInTheWindowsUnits) {
    const FieldCase cases[] = {
        {"map top left is 0 % throttle",
         make<AdvanceMapTable>(true),
         {0, 0},
         100,
         {0, 60},
         25,
         25,
         37,
         37},
        {"map bottom right", make<AdvanceMapTable>(true), {9, 9}, 199, {0, 60}, 7, 7, 61, 60},
        {"map byte above the range shows the limit",
         make<AdvanceMapTable>(false),
         {9, 3},
         193,
         {0, 60},
         200,
         60,
         -4,
         0},
        {"first breakpoint", make<RpmBreakpointTable>(), {0, 0}, 90, {199, 20100}, 0, 199, 199, 1},
        {"breakpoint drops the remainder",
         make<RpmBreakpointTable>(),
         {0, 4},
         94,
         {300, 20100},
         15,
         1500,
         1599,
         15},
        {"breakpoint above the range",
         make<RpmBreakpointTable>(),
         {0, 9},
         99,
         {300, 20100},
         255,
         20100,
         25000,
         201},
        {"servo speed, second point",
         make<ServoCurveTable>(),
         {0, 1},
         71,
         {200, 20100},
         20,
         2000,
         100,
         2},
        {"servo speed, third point",
         make<ServoCurveTable>(),
         {0, 2},
         72,
         {300, 20100},
         30,
         3000,
         4000,
         40},
        {"servo voltage", make<ServoCurveTable>(), {1, 5}, 85, {20, 5000}, 100, 2000, 2039, 101},
    };
    for (const FieldCase& k : cases) {
        SCOPED_TRACE(k.name);
        Image image{};
        const std::unique_ptr<CellTable> table = k.table(image);
        EXPECT_EQ(table->limits(k.cell), k.limits);
        image[static_cast<std::size_t>(k.byte)] = k.storedByte;
        EXPECT_EQ(table->value(k.cell), k.shown);
        table->store(k.cell, k.typed);
        EXPECT_EQ(image[static_cast<std::size_t>(k.byte)], k.typedByte);
        Image others = image;
        others[static_cast<std::size_t>(k.byte)] = 0;
        EXPECT_EQ(others, Image{}) << "another byte changed";
    }
}

TEST(ImageTables, AreasFollowWhatTheWindowShows) {
    Image image{};
    EXPECT_EQ(AdvanceMapTable(image, true).area(), (CellRange{0, 0, 9, 9}));
    EXPECT_EQ(AdvanceMapTable(image, false).area(), (CellRange{9, 0, 9, 9}));
    EXPECT_EQ(RpmBreakpointTable(image).area(), (CellRange{0, 0, 0, 9}));
    EXPECT_EQ(ServoCurveTable(image).area(), (CellRange{0, 0, 1, 9}));
    EXPECT_TRUE(AdvanceMapTable(image, true).rowsShareUnit());
    EXPECT_FALSE(ServoCurveTable(image).rowsShareUnit());
}

}  // namespace
}  // namespace tz::editing
