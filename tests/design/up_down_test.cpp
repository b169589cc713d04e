#include <gtest/gtest.h>

#include <string>

#include "designed_window.h"

namespace tz::design {
namespace {

using testing::designedWindow;
using ui::Control;
using ui::ControlId;
using ui::Kind;

// Each up/down sits right of its own edit box, which shows its position.
TEST(UpDowns, EachIsBoundToTheEditBoxLeftOfIt) {
    const ui::ControlModel& m = designedWindow();
    int upDowns = 0;
    for (ControlId id = 0; id < m.size(); ++id) {
        const Control& u = m.at(id);
        if (u.kind != Kind::UpDown) continue;
        ++upDowns;
        ASSERT_NE(u.associate, ui::kNoControl) << u.name;
        const Control& edit = m.at(u.associate);
        EXPECT_EQ(edit.kind, Kind::Edit) << u.name;
        EXPECT_EQ("UpDown" + edit.name.substr(4), u.name);
        EXPECT_EQ(edit.parent, u.parent) << u.name;
        EXPECT_EQ(u.bounds.left, edit.bounds.right()) << u.name;
        EXPECT_EQ(u.bounds.top, edit.bounds.top) << u.name;
        EXPECT_EQ(u.bounds.width, 16) << u.name;
        EXPECT_LE(u.min, u.position) << u.name;
        EXPECT_LE(u.position, u.max) << u.name;
        EXPECT_GT(u.step, 0) << u.name;
        EXPECT_EQ(edit.caption, std::to_string(u.position)) << u.name;
    }
    // Single fields, the ten-point rows, map cells and power outputs.
    EXPECT_EQ(upDowns, 25 + 3 * 10 + 100 + 3 * 5);
}

TEST(UpDowns, RangesAndStepsOfTheFields) {
    struct Case {
        const char* name;
        int min, max, step;
    };
    const Case cases[] = {
        {"UpDownPocPalcu", 1, 58, 1},
        {"UpDownPocKanalu", 1, 2, 1},
        {"UpDownBaseAdv", 0, 40, 1},
        {"UpDownPocSynchro", 0, 40, 1},
        {"UpDownRpmPulsu", 0, 6, 1},
        {"UpDownRpmKorekce", -60, 60, 1},
        {"UpDownOmez2", 999, 25000, 100},
        {"UpDownOmez1", 999, 25000, 100},
        {"UpDownPrivHyster", 0, 1275, 5},
        {"UpDownKorekceAdv1", -20, 20, 1},
        {"UpDownKorekceAdv2", -20, 20, 1},
        {"UpDownTps0", 250, 2500, 10},
        {"UpDownTps100", 2500, 4750, 10},
        {"UpDownKompenz2", 0, 255, 1},
        {"UpDownRetard", 0, 25, 1},
        {"UpDownClutchTime", 0, 1250, 5},
        {"UpDownClutchPause", 0, 1250, 5},
        {"UpDownPalec1Zac", 1, 58, 1},
        {"UpDownPalec2End", 1, 58, 1},
        {"UpDownTestRpm", 200, 25000, 100},
        {"UpDownTestServo", 10, 2500, 10},
        {"UpDownStartLimiterPause", 0, 5000, 100},
        {"UpDownRpmPriv1", 200, 20100, 100},
        {"UpDownRpmPriv2", 200, 20100, 100},
        {"UpDownRpmPriv3", 300, 20100, 100},
        {"UpDownRpmPriv10", 300, 20100, 100},
        {"UpDownNapPriv1", 20, 5000, 20},
        {"UpDownNapPriv10", 20, 5000, 20},
        {"UpDownRpmAdv1", 199, 20100, 100},
        {"UpDownRpmAdv2", 300, 20100, 100},
        {"UpDownRpmAdv10", 300, 20100, 100},
        {"UpDown50", 0, 60, 1},
        {"UpDown149", 0, 60, 1},
    };
    const ui::ControlModel& m = designedWindow();
    for (const Case& c : cases) {
        const Control& u = m[c.name];
        EXPECT_EQ(u.min, c.min) << c.name;
        EXPECT_EQ(u.max, c.max) << c.name;
        EXPECT_EQ(u.step, c.step) << c.name;
    }
}

TEST(UpDowns, DesignedPositions) {
    const ui::ControlModel& m = designedWindow();
    EXPECT_EQ(m["UpDownTestRpm"].position, 25000);
    EXPECT_EQ(m["UpDownTestServo"].position, 500);
    EXPECT_EQ(m["UpDown87"].position, 20);
    EXPECT_EQ(m["UpDownRpmAdv1"].position, 1000);
    EXPECT_EQ(m["UpDownRpmAdv10"].position, 10000);
}

}  // namespace
}  // namespace tz::design
