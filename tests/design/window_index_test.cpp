#include "design/window_index.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "designed_window.h"

namespace tz::design {
namespace {

using ui::ControlId;

class WindowIndexTables : public ::testing::Test {
  protected:
    const ui::ControlModel& m = testing::designedWindow();
    const WindowIndex index = buildWindowIndex(m);

    std::vector<std::string> names(std::span<const ControlId> table) const {
        std::vector<std::string> result;
        for (ControlId id : table) result.push_back(id == ui::kNoControl ? "" : m.at(id).name);
        return result;
    }
};

TEST_F(WindowIndexTables, LobeTablesPerChannel) {
    using Names = std::vector<std::string>;
    EXPECT_EQ(names(index.maxLobeUpDowns), (Names{"UpDownPalec1Zac", "UpDownPalec2Zac"}));
    EXPECT_EQ(names(index.startLobeUpDowns), (Names{"UpDownPalec1End", "UpDownPalec2End"}));
    EXPECT_EQ(names(index.maxLobeEdits), (Names{"EditPalec1Zac", "EditPalec2Zac"}));
    EXPECT_EQ(names(index.startLobeEdits), (Names{"EditPalec1End", "EditPalec2End"}));
    EXPECT_EQ(names(index.maxEdge2), (Names{"CheckBoxPalec1ZacH2", "CheckBoxPalec2ZacH2"}));
    EXPECT_EQ(names(index.startEdge2), (Names{"CheckBoxPalec1EndH2", "CheckBoxPalec2EndH2"}));
    EXPECT_EQ(names(index.maxPickup2), (Names{"CheckBoxPalec1ZacP2", "CheckBoxPalec2ZacP2"}));
    EXPECT_EQ(names(index.startPickup2), (Names{"CheckBoxPalec1EndP2", "CheckBoxPalec2EndP2"}));
}

TEST_F(WindowIndexTables, ServoPortAndTestTables) {
    EXPECT_EQ(names(index.servoRpmEdits)[0], "EditRpmPriv1");
    EXPECT_EQ(names(index.servoRpmUpDowns)[9], "UpDownRpmPriv10");
    EXPECT_EQ(names(index.servoMvEdits)[4], "EditNapPriv5");
    EXPECT_EQ(names(index.servoMvUpDowns)[9], "UpDownNapPriv10");
    EXPECT_EQ(names(index.portItems)[0], "MenuCom1");
    EXPECT_EQ(m.at(index.portItems[30]).caption, "Com Auto");
    EXPECT_EQ(names(index.testLabels)[7], "LabelTest8");
    EXPECT_EQ(names(index.testButtons),
              (std::vector<std::string>{"ButtonTestIgn1", "ButtonTestIgn2", "ButtonTestPOut1",
                                        "ButtonTestPOut2", "ButtonTestPOut3", "ButtonTestRpm",
                                        "ButtonTestServoPlus", "ButtonTestServoMinus"}));
}

TEST_F(WindowIndexTables, EveryEntryNamesAControl) {
    std::vector<std::span<const ControlId>> tables{
        index.cellEdits,    index.cellUpDowns,    index.rpmEdits,      index.rpmUpDowns,
        index.tpsLabels,    index.columnSpins,    index.servoRpmEdits, index.servoRpmUpDowns,
        index.servoMvEdits, index.servoMvUpDowns, index.portItems,     index.testLabels,
        index.testButtons};
    for (const PowerOutControls& p : index.powerOuts) {
        for (ControlId id : {p.modeGroup, p.mapGroup, p.rpmLabel, p.tpsLabel}) {
            EXPECT_NE(id, ui::kNoControl);
        }
        tables.insert(tables.end(), {p.rpmEdits, p.rpmUpDowns, p.tpsEdits, p.tpsUpDowns, p.zones,
                                     p.verticalSeparators, p.horizontalSeparators});
    }
    for (std::span<const ControlId> table : tables) {
        for (ControlId id : table) EXPECT_NE(id, ui::kNoControl);
    }
}

}  // namespace
}  // namespace tz::design
