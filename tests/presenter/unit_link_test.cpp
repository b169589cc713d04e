#include "unit_fixture.h"

namespace tz {
namespace {

using namespace field;
using testing::WindowWithUnit;

TEST_F(WindowWithUnit, ConnectsAndShowsTheLiveEngine) {
    sim::UnitConfig config;
    config.fields.set("rpm", 6000);
    config.fields.set("tps", 45);
    config.fields.set("pickup1", 1);
    presenter::WindowPresenter& w = startWithUnit(config);
    EXPECT_TRUE(control("LabelSpojeni").visible);
    EXPECT_EQ(control("LabelCom").caption, "COM= /dev/ttyUSB0");
    EXPECT_TRUE(control("MenuCom1").checked);
    tick(12);
    EXPECT_TRUE(w.session().connected());
    EXPECT_FALSE(control("LabelSpojeni").visible);
    EXPECT_EQ(control("LabelRpm").caption, "RPM = 6000 ");
    EXPECT_EQ(control("CGaugeRpm").position, 54);  // 6000 / 110
    EXPECT_EQ(control("LabelMonSnimac1").colour, ui::Colour::Lime);
    EXPECT_FALSE(control("ButtonTestRpm").enabled) << "tests only with the engine stopped";
    // 6000 rpm without TPS map: the last row, the breakpoint at 6000.
    EXPECT_EQ(control("Edit145").colour, ui::Colour::Lime);
    EXPECT_EQ(control("EditRpmAdv6").colour, ui::Colour::Lime);
    EXPECT_EQ(control("Edit144").colour, ui::Colour::Window);
}

// A lost unit leaves no engine on the screen: placeholders, no live cell,
// "not connected" beside the banner.
TEST_F(WindowWithUnit, LosingTheUnitClearsTheLiveValues) {
    sim::UnitConfig config;
    config.fields.set("rpm", 6000);
    config.fields.set("pickup1", 1);
    config.fields.set("advance1", 130);
    presenter::WindowPresenter& w = startWithUnit(config);
    tick(12);
    ASSERT_EQ(control("LabelRpm").caption, "RPM = 6000 ");
    ASSERT_EQ(control("Edit145").colour, ui::Colour::Lime);
    ASSERT_FALSE(control("ButtonTestRpm").enabled);

    line.device(kUnitPath).responder = nullptr;
    ASSERT_TRUE(tickUntil([this] { return control("LabelSpojeni").visible; }, 40));
    EXPECT_FALSE(w.session().connected());
    EXPECT_EQ(w.session().live().rpm, 0);
    EXPECT_EQ(control("LabelRpm").caption, "RPM = ---");
    EXPECT_EQ(control("LabelAdvance1").caption, "Advance 1 = --- [°]");
    EXPECT_EQ(control("LabelMonSnimac1").caption, "Pick-up (CKPS) 1 = ---");
    EXPECT_EQ(control("LabelMonSnimac1").colour, ui::Colour::ButtonFace);
    EXPECT_EQ(control("CGaugeRpm").position, 0);
    EXPECT_EQ(control("Edit145").colour, ui::Colour::Window);
    EXPECT_EQ(control("EditRpmAdv6").colour, ui::Colour::Window);
    EXPECT_EQ(control("StatusBar1").items[4], "not connected");
    EXPECT_TRUE(control("ButtonTestRpm").enabled) << "the engine is no longer known to run";
}

TEST_F(WindowWithUnit, ProgramWithF9UntilTheSavingHasEnded) {
    settings.values["BASIC/BackupBeforeProgram"] = "0";  // programming alone
    presenter::WindowPresenter& w = startWithUnit();
    tick(12);
    typeInto("UpDown145", 44);
    w.clicked(id("MenuProgram"));
    EXPECT_EQ(control("LabelHlaseni").caption, "Program device:");
    ASSERT_TRUE(tickUntilIdle());
    EXPECT_EQ(model->stored()[advanceCell(9, 5)], 44);
    bool ok = false;
    for (int i = 0; i < 200 && !ok; ++i) {
        tick();
        ok = control("LabelHlaseni").caption == "Program device:: OK";
    }
    EXPECT_TRUE(ok) << control("LabelHlaseni").caption;
}

TEST_F(WindowWithUnit, ReadTakesTheUnitsSettingsAsOneUndoableStep) {
    sim::UnitConfig config;
    config.stored = firstStartState().image;
    config.stored[LIMITER_RPM] = 125;
    config.stored[advanceCell(9, 0)] = 9;
    config.stored[240] = 77;  // reserved bytes travel too
    presenter::WindowPresenter& w = startWithUnit(config);
    tick(12);
    dialogs.paths = {dir.file("a.ign")};
    w.clicked(id("MenuSave"));
    ASSERT_EQ(w.session().fileName(), dir.file("a.ign"));

    w.clicked(id("ButtonRead"));
    ASSERT_TRUE(tickUntilIdle());
    EXPECT_EQ(w.session().image()[LIMITER_RPM], 125);
    EXPECT_EQ(w.session().image()[240], 77);
    EXPECT_EQ(control("EditOmez2").caption, "12500");
    EXPECT_EQ(w.session().fileName(), "");
    EXPECT_EQ(control("TFormHlav").caption, "  TZ_ARKO5       ");
    EXPECT_EQ(control("LabelVerze1").caption, "TZA05");
    tick(12);  // the version line follows the next monitor frame
    EXPECT_EQ(control("StatusBar1").items[4], "TZA05    4.11.2016   16:21");

    w.clicked(id("MenuZpet"));
    EXPECT_EQ(w.session().image()[LIMITER_RPM], 110);
}

TEST_F(WindowWithUnit, ThrottleCalibrationTakesTheLiveVoltage) {
    sim::UnitConfig config;
    config.fields.set("tps-raw", 512);  // 2502 mV
    presenter::WindowPresenter& w = startWithUnit(config);
    tick(12);
    w.clicked(id("BitBtnTps0"));
    EXPECT_EQ(w.session().image()[TPS_0_MV], 70) << "2502 mV lies outside the 0 % window";
    w.clicked(id("BitBtnTps100"));
    EXPECT_EQ(w.session().image()[TPS_100_MV], 0);
    EXPECT_EQ(control("EditTps100").caption, "2500");
}

TEST_F(WindowWithUnit, TheBannerFollowsTheUnitGoingAndComing) {
    presenter::WindowPresenter& w = startWithUnit();
    tick(12);
    ASSERT_TRUE(w.session().connected());
    line.device(kUnitPath).present = false;
    line.device(kUnitPath).gone = true;
    tick(30);
    EXPECT_TRUE(control("LabelSpojeni").visible);
    line.device(kUnitPath).present = true;
    line.device(kUnitPath).gone = false;
    tick(60);
    EXPECT_TRUE(w.session().connected());
    EXPECT_FALSE(control("LabelSpojeni").visible);
    EXPECT_TRUE(dialogs.messages.empty()) << "reopening stays silent";
}

TEST_F(WindowWithUnit, MissingFixedPortIsReportedOnce) {
    ports = {"/dev/ttyUSB0", "/dev/ttyUSB7"};
    presenter::WindowPresenter& w = startWithUnit();
    w.clicked(id("MenuCom2"));
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Com opening error!"});
    EXPECT_TRUE(control("MenuCom2").checked);
    tick(100);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(w.session().params().outside.portIndex, 1);
}

}  // namespace
}  // namespace tz
