#include "link/live_cell.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "params/param_state.h"

namespace tz::link {
namespace {

Image axes() {
    Image image{};
    for (int k = 0; k < 10; ++k) {
        image[field::RPM_ADV + k] = static_cast<std::uint8_t>(10 * (k + 1));   // 1000..10000 rpm
        image[field::SERVO_RPM + k] = static_cast<std::uint8_t>(20 + 10 * k);  // 2000..11000 rpm
    }
    return image;
}

LiveValues at(int rpm, int throttle) {
    LiveValues v;
    v.rpm = static_cast<std::uint16_t>(rpm);
    v.throttlePercent = static_cast<std::uint8_t>(throttle);
    return v;
}

TEST(HighlightLiveCell, NearestBreakpointsWithTiesToTheLowerOne) {
    struct Case {
        int rpm;
        int throttle;
        bool tpsMap;
        LiveCell cell;
    };
    const Case cases[] = {
        {1500, 0, false, {true, 9, 0, 0}},
        {1600, 0, false, {true, 9, 1, 0}},
        {999, 0, false, {false, 9, 0, 0}},
        {10000, 0, false, {true, 9, 9, 8}},
        {25500, 0, false, {true, 9, 9, 9}},
        {60000, 0, false, {true, 9, 8, 7}},
        // 25 600 rpm and more wrap around: 25 700 rpm counts as 100 rpm.
        {25700, 0, false, {false, 9, 0, 0}},
        {2500, 0, true, {true, 0, 1, 0}},
        {2500, 1, true, {true, 0, 1, 0}},
        {2500, 4, true, {true, 2, 1, 0}},
        {2500, 3, true, {true, 1, 1, 0}},
        {2500, 70, true, {true, 7, 1, 0}},
        {2500, 100, true, {true, 9, 1, 0}},
        {2500, 150, true, {true, 9, 1, 0}},
        {3400, 0, false, {true, 9, 2, 1}},
        {3500, 0, false, {true, 9, 2, 1}},
        {3600, 0, false, {true, 9, 3, 2}},
    };
    const Image image = axes();
    for (const Case& c : cases)
        EXPECT_EQ(HighlightLiveCell(at(c.rpm, c.throttle), image, c.tpsMap), c.cell)
            << c.rpm << " rpm " << c.throttle << " %";
}

}  // namespace
}  // namespace tz::link
