// The live monitor as the window shows it: label texts and colours of a
// monitor frame, the bars, the live cell's colours and the unit's line.
#include "presenter/monitor_view.h"

#include <gtest/gtest.h>

#include <optional>

#include "../design/designed_window.h"
#include "../link/link_fixture.h"
#include "design/window_index.h"
#include "session_image.h"
#include "unit_fixture.h"

namespace tz::presenter {
namespace {

using link::testing::MonitorFrame;
using ui::Colour;

// The monitor view on a designed window and a session without a unit.
class MonitorViewTest : public ::testing::Test {
  protected:
    MonitorViewTest() { useLanguage(texts::Language::English); }

    void useLanguage(texts::Language language) {
        messages.fillMessages(language);
        messages.fillCaptionEntries(language);
    }
    void show(const MonitorFrame& frame) {
        view.showFrame(*link::DecodeMonitorFrame(frame.frame()));
    }
    const ui::Control& control(std::string_view name) { return controls[name]; }

    ui::ControlModel controls = design::testing::designedWindow();
    design::WindowIndex index = design::buildWindowIndex(controls);
    session::Session session{{}};
    WindowMode mode;
    texts::MessageCatalogue messages;
    MonitorView view{controls, index, session, mode, messages};
};

struct LabelCase {
    MonitorFrame frame;
    std::string_view label;
    std::string text;
    std::optional<Colour> colour;  // none: the label keeps its colour
};

TEST_F(MonitorViewTest, LabelTextsAndColours) {
    tz::testing::changeImage(session, [&](Image& m) { m[powerOutMode(0)] = 4; });
    tz::testing::changeImage(session, [&](Image& m) { m[powerOutMode(1)] = 1; });
    tz::testing::changeImage(session, [&](Image& m) { m[powerOutMode(2)] = 9; });
    const LabelCase cases[] = {
        {MonitorFrame().set16(1, 6000), "LabelRpm", "RPM = 6000 ", Colour::ButtonFace},
        {MonitorFrame().set(64, 1), "LabelRpm", "RPM = 0 ", Colour::Yellow},
        {MonitorFrame().set(62, 1).set(64, 1), "LabelRpm", "RPM = 0 ", Colour::Red},
        {MonitorFrame().set16(5, 13800), "LabelNapeti", "U = 13.8 [V]", Colour::ButtonFace},
        {MonitorFrame().set16(5, 7000), "LabelNapeti", "U =  7.0 [V]", Colour::Red},
        {MonitorFrame().set16(5, 7001), "LabelNapeti", "U =  7.0 [V]", Colour::Yellow},
        {MonitorFrame().set16(5, 11000), "LabelNapeti", "U = 11.0 [V]", Colour::Yellow},
        {MonitorFrame().set16(5, 11001), "LabelNapeti", "U = 11.0 [V]", Colour::ButtonFace},
        {MonitorFrame().set16(5, 14998), "LabelNapeti", "U = 15.0 [V]", Colour::ButtonFace},
        {MonitorFrame().set16(5, 14999), "LabelNapeti", "U = 15.0 [V]", Colour::Yellow},
        {MonitorFrame().set16(5, 17999), "LabelNapeti", "U = 18.0 [V]", Colour::Red},
        {MonitorFrame().set(63, 1), "LabelBlocking1", "Motor off - YES", Colour::Red},
        {MonitorFrame(), "LabelBlocking1", "Motor off - NO", Colour::ButtonFace},
        {MonitorFrame().set(50, 130), "LabelAdvance1", "Advance 1 = 30 [°]", Colour::ButtonFace},
        {MonitorFrame().set(50, 130).set16(54, 30), "LabelAdvance1",
         "Advance 1 = 30 [°] /max 30 [°]", Colour::Yellow},
        {MonitorFrame().set(51, 90).set16(56, 30), "LabelAdvance2",
         "Advance 2 = -10 [°] /max 30 [°]", Colour::ButtonFace},
        {MonitorFrame().set(71, 0x04), "LabelAdvance1", "Pick up system error                    ",
         Colour::Red},
        {MonitorFrame().set(71, 0x08).set(50, 130), "LabelAdvance1", "Advance 1 = 30 [°]",
         Colour::ButtonFace},
        {MonitorFrame().set(48, 1).set(69, 1), "LabelMonSnimac1",
         "Pick-up (CKPS) 1 - is running, negative polarity", Colour::Lime},
        {MonitorFrame().set(48, 1).set(71, 0x01), "LabelMonSnimac1",
         "Pick-up (CKPS) 1 - is running, polarity error", Colour::Red},
        {MonitorFrame(), "LabelMonSnimac2", "Pick-up (CKPS) 2 - no signal, positive polarity",
         Colour::ButtonFace},
        {MonitorFrame().set(49, 1).set(71, 0x02), "LabelMonSnimac2",
         "Pick-up (CKPS) 2 - , polarity error", Colour::Red},
        {MonitorFrame().set(41, 45).set16(3, 512), "LabelTpsMon", "TP= 45 [%]= 2502 [mV]",
         Colour::ButtonFace},
        {MonitorFrame().set(41, 101).set16(3, 1023), "LabelTpsMon", "TP=error = 5000 [mV]",
         Colour::Red},
        {MonitorFrame().set(41, 101).set16(3, 512), "LabelTpsMon", "TP=error = 2502 [mV]",
         Colour::ButtonFace},
        {MonitorFrame().set(41, 101).set16(3, 50), "LabelTpsMon", "TP=error = 244 [mV]",
         Colour::Red},
        {MonitorFrame().set16(9, 1023).set(65, 1), "LabelPriveraPoz", "Servo desired= 5000 [mV]",
         Colour::ButtonFace},
        {MonitorFrame().set16(7, 512), "LabelPriveraMer", "Servo measured= 2502 [mV]", Colour::Red},
        {MonitorFrame().set16(11, 1234), "LabelPocetProgramovani", "Number of Programing= 1234",
         std::nullopt},
        {MonitorFrame().set(66, 1), "LabelMonInput1In", "Input 1: grounded", Colour::Fuchsia},
        {MonitorFrame().set(67, 1), "LabelMonInput2In", "Input 2: grounded", Colour::Aqua},
        {MonitorFrame(), "LabelMonInput2In", "Input 2: Open", Colour::ButtonFace},
        {MonitorFrame().set(40, 1), "LabelClutchMon", "Clutch master - YES", Colour::Lime},
        {MonitorFrame().set(39, 1), "LabelMonStartLimiterOut", "Start limiter: YES",
         Colour::Fuchsia},
        {MonitorFrame().set(38, 1), "LabelMonRetard", "Retard - YES", Colour::Aqua},
        {MonitorFrame().set(37, 1), "LabelKillSwitch", "Kill switch - YES", Colour::Red},
        {MonitorFrame().set(43, 1), "LabelMonPOut1", "1- Special out - YES", Colour::Lime},
        {MonitorFrame().set(42, 1), "LabelMonPOut2", "2- Fuel pump - YES", Colour::Aqua},
        {MonitorFrame().set(68, 1), "LabelMonPOut3", "3-  - YES", Colour::Yellow},
        {MonitorFrame(), "LabelMonPOut3", "3-  - NO", Colour::ButtonFace},
    };
    const Colour designed = control("LabelPocetProgramovani").colour;
    for (const LabelCase& c : cases) {
        show(c.frame);
        EXPECT_EQ(control(c.label).caption, c.text) << c.label;
        EXPECT_EQ(control(c.label).colour, c.colour.value_or(designed)) << c.label << " " << c.text;
    }
}

TEST_F(MonitorViewTest, OtherLabelsAndBars) {
    tz::testing::changeImage(session, [&](Image& im) { im[field::LIMITER_RPM] = 120; });
    show(MonitorFrame().set16(1, 6000).set(41, 45).set16(27, 77).set(99, 1).set(100, 85));
    EXPECT_EQ(control("CGaugeRpm").position, 50);
    EXPECT_EQ(control("CGaugeTps").position, 45);
    EXPECT_EQ(control("LabelTest8").caption, "Test8 = 77 ");
    EXPECT_TRUE(control("LabelEeDataErr").visible);
    EXPECT_TRUE(control("LabelVersion").visible);
    EXPECT_EQ(control("LabelVersion").caption,
              "Unmatched version of PC and Ignition programs!  PC-91, IGN-85");

    tz::testing::changeImage(session, [&](Image& im) { im[field::LIMITER_RPM] = 0; });
    show(MonitorFrame().set16(1, 30000));
    EXPECT_EQ(control("CGaugeRpm").position, 100);
    EXPECT_FALSE(control("LabelVersion").visible);
    EXPECT_FALSE(control("LabelEeDataErr").visible);
}

TEST_F(MonitorViewTest, TextsFollowTheCatalogueLanguage) {
    useLanguage(texts::Language::German);
    show(MonitorFrame().set(40, 1));
    EXPECT_EQ(control("LabelClutchMon").caption, "Schaltautomat - JA");
}

using LiveView = testing::WindowWithUnit;

TEST_F(LiveView, TheLiveCellMarksItsAxesAndTheServoPoint) {
    const auto lime = [this] {
        std::vector<std::string> names;
        for (int i = 0; i < controls().size(); ++i)
            if (controls().at(i).colour == Colour::Lime) names.push_back(controls().at(i).name);
        std::sort(names.begin(), names.end());
        return names;
    };
    presenter::WindowPresenter& w = startWithUnit();
    w.tick();
    // Below the first breakpoint: no cell, the 100 % row and the first servo point.
    EXPECT_EQ(lime(), (std::vector<std::string>{"EditNapPriv1", "EditRpmPriv1", "LabelTps10"}));

    sim::UnitConfig config;
    config.fields.set("rpm", 4000);
    config.fields.set("tps", 30);
    presenter::WindowPresenter& live = startWithUnit(config);
    controls().userSetChecked(id("CheckBoxTpsMapa"), true);
    live.checkBoxReleased(id("CheckBoxTpsMapa"));
    ASSERT_TRUE(tickUntil([&] { return live.monitor().liveCell().hasCell; }));
    const link::LiveCell cell = live.monitor().liveCell();
    EXPECT_EQ(cell, live.session().liveCell(true));
    const std::string n = std::to_string(cell.column + 1);
    const std::string s = std::to_string(cell.servoPoint + 1);
    EXPECT_EQ(lime(),
              (std::vector<std::string>{"Edit" + std::to_string(50 + 10 * cell.row + cell.column),
                                        "EditNapPriv" + s, "EditRpmAdv" + n, "EditRpmPriv" + s,
                                        "LabelTps" + std::to_string(cell.row + 1)}));
}

using UnitLine = testing::WindowWithUnit;

TEST_F(UnitLine, FollowsTheMonitorFramesAndTheInfoPage) {
    presenter::WindowPresenter& w = startWithUnit();
    const auto unitLine = [&] { return control("StatusBar1").items[4]; };
    w.tick();
    EXPECT_EQ(unitLine(), "not connected");
    ASSERT_TRUE(tickUntil([&] { return w.session().connected(); }));
    EXPECT_EQ(unitLine(), "      ");
    w.clicked(id("MenuRead"));
    ASSERT_TRUE(tickUntilIdle());
    ASSERT_TRUE(tickUntil([&] { return unitLine() != "      "; }));
    EXPECT_EQ(unitLine(), "TZA05    4.11.2016   16:21");
}

}  // namespace
}  // namespace tz::presenter
