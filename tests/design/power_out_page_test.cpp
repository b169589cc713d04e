#include "design/window_design.h"

#include <gtest/gtest.h>

#include "design/window_index.h"
#include "designed_window.h"

namespace tz::design {
namespace {

using ui::Control;
using ui::Kind;
using ui::Rect;

// A page of 600 x 301 pixels: a third of it is 100, so the bands are 98
// high.
class PowerOutPage : public ::testing::Test {
  protected:
    PowerOutPage() {
        Control sheet;
        sheet.kind = Kind::TabSheet;
        sheet.name = "TabSheetPowerOut";
        sheet.bounds = {4, 24, 600, 301};
        m.add(sheet);
        BuildPowerOutPage(m);
    }

    Rect bounds(std::string_view name) const { return m[name].bounds; }

    ui::ControlModel m;
};

TEST_F(PowerOutPage, BandsFollowThePageSize) {
    EXPECT_EQ(bounds("RadioGroupPOut1"), (Rect{3, 0, 140, 98}));
    EXPECT_EQ(bounds("RadioGroupPOut3"), (Rect{3, 200, 140, 98}));
    EXPECT_EQ(bounds("GroupBoxPOutMap2"), (Rect{150, 100, 446, 98}));
    EXPECT_EQ(m["RadioGroupPOut2"].caption, "Mode power out 2 (pin 12)");
    EXPECT_EQ(m["RadioGroupPOut3"].caption, "Mode power out 3 (pin 14)");
    EXPECT_EQ(m["GroupBoxPOutMap3"].caption, "Map power out 3");
    EXPECT_EQ(m["RadioGroupPOut1"].items,
              (std::vector<std::string>{"Off", "Fuel pump", "Pilot light", "Power jet Honda",
                                        "Special"}));
    EXPECT_EQ(m["RadioGroupPOut1"].itemIndex, 0);
}

TEST_F(PowerOutPage, MapControlsInsideTheGroup) {
    const ui::ControlId map = m.id(ui::ControlName{"GroupBoxPOutMap2"});
    struct Case {
        const char* name;
        Rect bounds;
    };
    const Case cases[] = {
        {"LabelPOutRpm2", {94, 22, 30, 13}},        {"LabelPOutTps2", {33, 34, 30, 13}},
        {"EditPOutRpm2_0", {165, 20, 40, 21}},      {"EditPOutRpm2_2", {365, 20, 40, 21}},
        {"UpDownPOutRpm2_2", {405, 20, 16, 21}},    {"EditPOutTps2_1", {33, 101, 30, 21}},
        {"UpDownPOutTps2_1", {63, 101, 16, 21}},    {"CheckBoxPOut2_r0c0", {130, 56, 20, 17}},
        {"CheckBoxPOut2_r2c3", {430, 122, 20, 17}}, {"BevelPOutV2_1", {285, 54, 4, 90}},
        {"BevelPOutH2_1", {94, 111, 380, 4}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(bounds(c.name), c.bounds) << c.name;
        EXPECT_EQ(m[c.name].parent, map) << c.name;
    }
}

TEST_F(PowerOutPage, ThresholdRanges) {
    struct Case {
        const char* name;
        int min, max, step, position;
    };
    const Case cases[] = {
        {"UpDownPOutRpm1_0", 300, 25000, 100, 2000}, {"UpDownPOutRpm1_1", 300, 25100, 100, 4000},
        {"UpDownPOutRpm3_2", 300, 25200, 100, 6000}, {"UpDownPOutTps1_0", 0, 101, 1, 30},
        {"UpDownPOutTps3_1", 0, 102, 1, 60},
    };
    for (const Case& c : cases) {
        const Control& u = m[c.name];
        EXPECT_EQ(u.min, c.min) << c.name;
        EXPECT_EQ(u.max, c.max) << c.name;
        EXPECT_EQ(u.step, c.step) << c.name;
        EXPECT_EQ(u.position, c.position) << c.name;
    }
}

// The index tables address the controls by output, threshold and zone.
TEST(PowerOutIndex, TablesFollowOutputsThresholdsAndZones) {
    const ui::ControlModel& m = testing::designedWindow();
    const WindowIndex index = buildWindowIndex(m);
    const PowerOutControls& out = index.powerOuts[2];
    EXPECT_EQ(m.at(out.modeGroup).name, "RadioGroupPOut3");
    EXPECT_EQ(m.at(out.mapGroup).name, "GroupBoxPOutMap3");
    EXPECT_EQ(m.at(out.tpsLabel).name, "LabelPOutTps3");
    EXPECT_EQ(m.at(out.rpmUpDowns[1]).name, "UpDownPOutRpm3_1");
    EXPECT_EQ(m.at(out.tpsEdits[1]).name, "EditPOutTps3_1");
    EXPECT_EQ(m.at(out.zones[6]).name, "CheckBoxPOut3_r1c2");
    EXPECT_EQ(m.at(out.zones[11]).name, "CheckBoxPOut3_r2c3");
    EXPECT_EQ(m.at(out.verticalSeparators[2]).kind, Kind::Bevel);
    EXPECT_EQ(m.at(out.horizontalSeparators[0]).name, "BevelPOutH3_0");
    // On the designed page of 645 x 469 the bands are 156 pixels apart.
    EXPECT_EQ(m.at(out.modeGroup).bounds, (Rect{3, 312, 140, 154}));
    EXPECT_EQ(m.at(out.mapGroup).bounds.width, 645 - 154);
}

}  // namespace
}  // namespace tz::design
