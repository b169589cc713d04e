#include "logs/cell_time.h"

#include <gtest/gtest.h>

namespace tz::logs {
namespace {

// Columns at 1000, 2000, ... 10 000 rpm.
Image axes() {
    Image image{};
    for (int k = 0; k < kAxisPoints; ++k)
        image[field::RPM_ADV + k] = static_cast<std::uint8_t>(10 * (k + 1));
    return image;
}

link::LiveValues at(int rpm, int throttle) {
    link::LiveValues v;
    v.rpm = static_cast<std::uint16_t>(rpm);
    v.throttlePercent = static_cast<std::uint8_t>(throttle);
    return v;
}

TEST(CellTime, SumsTimeInTheLiveCell) {
    const Image image = axes();
    CellTime cells;
    cells.add(at(3000, 50), image, true, 55);
    cells.add(at(3040, 45), image, true, 55);    // the same cell
    cells.add(at(3000, 50), image, false, 110);  // without throttle rows: the last row
    cells.add(at(9800, 100), image, true, 1000);

    EXPECT_EQ(cells.ms(6, 2), 110);
    EXPECT_EQ(cells.ms(9, 2), 110);
    EXPECT_EQ(cells.ms(9, 9), 1000);
    EXPECT_DOUBLE_EQ(cells.seconds(9, 9), 1.0);
    EXPECT_EQ(cells.totalMs(), 1220);
    EXPECT_DOUBLE_EQ(cells.totalSeconds(), 1.22);
    EXPECT_EQ(cells.longestMs(), 1000);
}

TEST(CellTime, NothingBelowTheFirstBreakpointOrForNoTime) {
    CellTime cells;
    cells.add(at(999, 0), axes(), true, 500);
    cells.add(at(1000, 0), axes(), true, 0);
    cells.add(at(1000, 0), axes(), true, -40);
    EXPECT_EQ(cells.totalMs(), 0);
    cells.add(at(1000, 0), axes(), true, 40);
    EXPECT_EQ(cells.ms(0, 0), 40);
}

TEST(CellTime, ResetClearsEverything) {
    CellTime cells;
    cells.add(at(5000, 20), axes(), true, 300);
    cells.reset();
    EXPECT_EQ(cells.ms(4, 4), 0);
    EXPECT_EQ(cells.totalMs(), 0);
    EXPECT_EQ(cells.longestMs(), 0);
}

}  // namespace
}  // namespace tz::logs
