// The settings check in the window: the dialog before a Program command and
// before programming after change, the marks on the grid, and the trigger
// wheel on the Bike page.
#include <gtest/gtest.h>

#include <algorithm>

#include "design/control_names.h"
#include "unit_fixture.h"

namespace tz {
namespace {

using presenter::CheckChoice;

class SettingsCheckWindow : public testing::WindowWithUnit {
  protected:
    void SetUp() override {
        startWithUnit();
        tick();
    }
    // The speed-only row's cell in column c (counted from 0).
    static std::string cell(int column) { return "UpDown" + std::to_string(140 + column); }
    bool programming() { return window->session().link().state() != link::LinkState::Idle; }
    void programCommand() { window->clicked(id("BitBtnProgram")); }
};

TEST_F(SettingsCheckWindow, ProgramAsksOnlyWhenTheCheckFindsSomething) {
    programCommand();
    EXPECT_TRUE(checkDialogs.shown.empty());
    EXPECT_TRUE(programming());
    ASSERT_TRUE(tickUntilIdle());

    typeInto(cell(3), 45);  // 15° → 45° → 28°
    checkDialogs.choices = {{CheckChoice::Action::Cancel}};
    programCommand();
    ASSERT_EQ(checkDialogs.shown.size(), 1u);
    const presenter::CheckModel& m = checkDialogs.shown[0];
    EXPECT_EQ(m.findings, (std::vector<std::string>{
                              "Row 10, columns 3 and 4: the advance steps from 15° to 45°, more "
                              "than 10°.",
                              "Row 10, columns 4 and 5: the advance steps from 45° to 28°, more "
                              "than 10°."}));
    EXPECT_EQ(m.note,
              "The settings have 2 findings that may harm the engine. Program the unit anyway?");
    EXPECT_FALSE(programming()) << "cancelled";

    checkDialogs.choices = {{CheckChoice::Action::ProgramAnyway}};
    programCommand();
    EXPECT_TRUE(programming());
}

TEST_F(SettingsCheckWindow, GoToShowsTheCellsPageAndFocusesIt) {
    typeInto(cell(3), 45);
    window->pageChanged(id("PageControl1"), 0);
    checkDialogs.choices = {{CheckChoice::Action::GoTo, 1}};
    programCommand();
    EXPECT_FALSE(programming());
    EXPECT_EQ(window->activePage(), 2);
    EXPECT_EQ(controls().focusRequest(), control(cell(3)).associate);
}

TEST_F(SettingsCheckWindow, ProgrammingAfterChangeAsksOncePerRound) {
    controls().userSetChecked(id("CheckBoxProgHned"), true);
    window->checkBoxReleased(id("CheckBoxProgHned"));
    ASSERT_TRUE(tickUntilIdle());
    checkDialogs.choices = {{CheckChoice::Action::Cancel}};
    typeInto(cell(3), 45);
    EXPECT_FALSE(programming()) << "held until the user answers";
    tick();
    ASSERT_EQ(checkDialogs.shown.size(), 1u);
    EXPECT_FALSE(programming());

    // Asked again at the next change; program anyway ends the asking.
    typeInto(cell(3), 46);
    tick();
    ASSERT_EQ(checkDialogs.shown.size(), 2u);
    EXPECT_TRUE(programming());
    ASSERT_TRUE(tickUntilIdle());
    typeInto(cell(3), 47);
    EXPECT_TRUE(programming());
    EXPECT_EQ(checkDialogs.shown.size(), 2u);
    ASSERT_TRUE(tickUntilIdle());

    // Switched off and on: a new round.
    controls().userSetChecked(id("CheckBoxProgHned"), false);
    window->checkBoxReleased(id("CheckBoxProgHned"));
    controls().userSetChecked(id("CheckBoxProgHned"), true);
    window->checkBoxReleased(id("CheckBoxProgHned"));
    ASSERT_TRUE(tickUntilIdle());
    typeInto(cell(3), 48);
    EXPECT_FALSE(programming());
}

TEST_F(SettingsCheckWindow, FindingsAreMarkedOnTheGridUntilRepaired) {
    const auto colour = [&](int column) {
        return controls().at(control(cell(column)).associate).fontColour;
    };
    typeInto(cell(3), 45);
    tick();
    EXPECT_EQ(colour(2), ui::Colour::Finding);
    EXPECT_EQ(colour(3), ui::Colour::Finding);
    EXPECT_EQ(colour(4), ui::Colour::Finding);
    EXPECT_EQ(colour(5), ui::Colour::Black);
    typeInto(cell(3), 25);
    tick();
    EXPECT_EQ(colour(3), ui::Colour::Black);
}

TEST_F(SettingsCheckWindow, TheWheelIsDrawnAgainWhenItsSettingsChange) {
    const ui::ControlId wheel = id("PaintBoxWheel");
    const auto lobes = [&] {
        const std::vector<graphs::DrawCall>& calls = surfaces.lastCalls[wheel];
        return std::count_if(calls.begin(), calls.end(), [](const graphs::DrawCall& c) {
            return c.op == graphs::DrawOp::BeginGroup && c.text == "lobe";
        });
    };
    EXPECT_EQ(lobes(), 1);
    const int paints = surfaces.paints[wheel];
    tick();
    EXPECT_EQ(surfaces.paints[wheel], paints) << "nothing changed";
    controls().setItemIndex(id("ComboBoxBike"), 4);  // Honda NSR 250: four lobes
    window->comboChanged(id("ComboBoxBike"), 4);
    tick();
    EXPECT_EQ(lobes(), 4);
}

}  // namespace
}  // namespace tz
