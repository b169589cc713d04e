#include <filesystem>

#include "params/param_state.h"
#include "params/saved_image.h"
#include "platform/atomic_file.h"
#include "scoped_env.h"
#include "window_fixture.h"

namespace tz {
namespace {

using testing::WindowTest;

TEST_F(WindowTest, FirstRunStartsCentredWithDefaults) {
    presenter::WindowPresenter& w = start();
    EXPECT_EQ(w.placement().left, (1920 - 991) / 2);
    EXPECT_EQ(w.placement().top, (1080 - 812) / 2);
    EXPECT_EQ(w.placement().width, 991);
    EXPECT_EQ(w.placement().height, 812);
    EXPECT_EQ(w.session().params().outside.portIndex, 0);
    EXPECT_EQ(w.session().params().outside.searchIndex, 0);
    EXPECT_EQ(w.captions().language(), 0);
    EXPECT_EQ(w.session().fileName(), "");
    EXPECT_EQ(w.session().lastFileName(), "");
    EXPECT_EQ(w.session().defaultFilePath(), dir.file("data.ign"));
    EXPECT_FALSE(w.mode().testMode);
    EXPECT_EQ(w.session().image(), firstStartState().image);
    EXPECT_FALSE(control("LabelTest1").visible);
    EXPECT_FALSE(control("LabelHlaseni").visible);
    EXPECT_FALSE(control("CGaugeProgram").visible);
    EXPECT_EQ(control("CGaugeProgram").max, 3);
    EXPECT_EQ(control("TFormHlav").caption, "  TZ_ARKO5       ");
    EXPECT_TRUE(control("StatusBar1").items[2].starts_with("TZ_ARKO5   RSKEY=91   COMPILE=20"));
    EXPECT_TRUE(control("MenuEnglish").checked);
    EXPECT_FALSE(control("MenuGerman").checked);
    EXPECT_EQ(control("EditOmez2").caption, "11000");
}

TEST_F(WindowTest, CommandLineLanguageWord) {
    struct Case {
        std::vector<std::string> args;
        int stored;
        int expected;
    };
    const Case cases[] = {
        {{"DEUTSCH"}, 3, 1}, {{"deutsch"}, 3, 3}, {{"CESKY", "ENGLISH"}, 0, 3},
        {{"FRANCE"}, 0, 2},  {{"ENGLISH"}, 2, 0}, {{}, 7, 0},
    };
    for (const Case& c : cases) {
        settings.values["BASIC/Language"] = std::to_string(c.stored);
        EXPECT_EQ(start(c.args).captions().language(), c.expected) << c.stored;
    }
}

TEST_F(WindowTest, FirstStartTakesTheDesktopsLanguageAndASavedChoiceWins) {
    struct Case {
        const char* lang;
        const char* stored;  // nullptr: no settings yet
        int expected;
    };
    const Case cases[] = {
        {"de_DE.UTF-8", nullptr, 1}, {"fr_FR.UTF-8", nullptr, 2}, {"cs_CZ.UTF-8", nullptr, 3},
        {"it_IT.UTF-8", nullptr, 0}, {"de_DE.UTF-8", "0", 0},     {"en_US.UTF-8", "3", 3},
    };
    testing::ScopedEnv lcAll{"LC_ALL", nullptr};
    testing::ScopedEnv lcMessages{"LC_MESSAGES", nullptr};
    for (const Case& c : cases) {
        testing::ScopedEnv lang{"LANG", c.lang};
        settings.values.erase("BASIC/Language");
        if (c.stored) settings.values["BASIC/Language"] = c.stored;
        EXPECT_EQ(start().captions().language(), c.expected) << c.lang;
    }
}

TEST_F(WindowTest, StoredSettingsAreRepairedOrBroughtOnScreen) {
    settings.values["BASIC/ComPort"] = "0";
    settings.values["BASIC/ComPortAuto"] = "77";
    settings.values["BASIC/Left"] = "5000";
    settings.values["BASIC/Top"] = "-3000";
    settings.values["BASIC/PageControl1->ActivePageIndex"] = "9";
    settings.values["BASIC/File"] = "/tunes/a.ign";
    settings.values["BASIC/IniDir"] = "/tunes/b.ign";
    presenter::WindowPresenter& w = start();
    w.clicked(id("MenuOpen"));
    EXPECT_EQ(dialogs.openRequests.back().fileName, "/tunes/b.ign");
    EXPECT_EQ(w.session().params().outside.portIndex, 0);
    EXPECT_EQ(w.session().params().outside.searchIndex, 0);
    EXPECT_EQ(w.placement().left, (1920 - 991) / 2);
    EXPECT_EQ(w.placement().top, (1080 - 812) / 2);
    EXPECT_EQ(control("PageControl1").itemIndex, 0);
    EXPECT_EQ(w.session().fileName(), "/tunes/a.ign");

    settings.values["BASIC/ComPort"] = "31";
    settings.values["BASIC/Left"] = "20";
    settings.values["BASIC/Top"] = "30";
    settings.values["BASIC/PageControl1->ActivePageIndex"] = "3";
    presenter::WindowPresenter& again = start();
    EXPECT_EQ(again.session().params().outside.portIndex, 30);
    EXPECT_EQ(again.placement().left, 20);
    EXPECT_EQ(again.placement().top, 30);
    EXPECT_EQ(control("PageControl1").itemIndex, 3);
}

TEST_F(WindowTest, SavedImageIsLoadedOverTheDefaults) {
    ASSERT_TRUE(writeFileAtomically(dir.file("_TZ_ARKO5_v91.ini"), "1 2 3 4 5 6 7 8 9 10 300 12"));
    presenter::WindowPresenter& w = start();
    EXPECT_EQ(w.session().image()[field::BIKE], 1);
    EXPECT_EQ(w.session().image()[field::NO_SPARK_REVS], 44);
    EXPECT_EQ(w.session().image()[field::TACHO_PULSES], 12);
    EXPECT_EQ(w.session().image()[field::BASE_ADV], 10);
    EXPECT_EQ(w.session().image()[field::LIMITER_RPM], 110);
}

// A fixed port choice is kept with the device it was made on; a port given
// on the command line is for its run only.
TEST_F(WindowTest, TheSettingsKeepTheChosenDeviceButNotARunsPort) {
    ports = {"/dev/ttyUSB1", "/dev/ttyUSB0"};
    line.device("/dev/ttyUSB1");
    presenter::WindowPresenter& w = start();
    w.clicked(id("MenuCom2"));
    w.FormClose();
    EXPECT_EQ(settings.values["BASIC/ComPort"], "2");
    EXPECT_EQ(settings.values["BASIC/ComPortDevice"], "/dev/ttyUSB0");

    // Next start: the device stands first now; the choice follows it.
    ports = {"/dev/ttyUSB0", "/dev/ttyUSB1"};
    presenter::WindowPresenter& again = start();
    EXPECT_EQ(control("LabelCom").caption, "COM= /dev/ttyUSB0");
    EXPECT_TRUE(control("MenuCom1").checked);
    again.FormClose();
    EXPECT_EQ(settings.values["BASIC/ComPort"], "1");

    settings.values["BASIC/ComPort"] = "31";
    settings.values["BASIC/ComPortDevice"] = "";
    portIndexOverride = 0;
    start().FormClose();
    EXPECT_EQ(settings.values["BASIC/ComPort"], "31") << "the run's port is not the user's choice";
    EXPECT_EQ(settings.values["BASIC/ComPortDevice"], "");
    presenter::WindowPresenter& chosen = start();
    chosen.clicked(id("MenuCom2"));
    chosen.FormClose();
    EXPECT_EQ(settings.values["BASIC/ComPort"], "2") << "a choice from the menu is kept";
}

TEST_F(WindowTest, APortHeldByAnotherProgramIsNamedInTheBox) {
    line.device("/dev/ttyUSB0").busy = true;
    start();
    EXPECT_EQ(dialogs.messages,
              std::vector<std::string>{"The port is in use by another program: /dev/ttyUSB0"});
}

TEST_F(WindowTest, TestModeMarker) {
    ASSERT_TRUE(writeFileAtomically(dir.file("test_kodrum.txt"), "x DIAG_UNLOCK y"));
    EXPECT_TRUE(start().mode().testMode);
    EXPECT_TRUE(control("LabelTest8").visible);
    EXPECT_TRUE(control("LabelKompenz").visible);
    ASSERT_TRUE(writeFileAtomically(dir.file("test_kodrum.txt"), "diag_unlock"));
    EXPECT_FALSE(start().mode().testMode);
    EXPECT_FALSE(control("LabelKompenz").visible);
}

TEST_F(WindowTest, ClosingSavesSettingsAndThePendingEdit) {
    presenter::WindowPresenter& w = start({"FRANCE"});
    controls().userSetText(control("UpDownBaseAdv").associate, "17");
    controls().userSetItemIndex(id("PageControl1"), 2);
    w.closing();
    w.closing();
    EXPECT_EQ(settings.flushes, 1);
    EXPECT_EQ(settings.values["BASIC/Language"], "2");
    EXPECT_EQ(settings.values["BASIC/ComPort"], "1");
    EXPECT_EQ(settings.values["BASIC/PageControl1->ActivePageIndex"], "2");
    EXPECT_EQ(settings.values["BASIC/Width"], "991");
    Image saved{};
    ASSERT_EQ(parseSavedImage(readWholeFile(dir.file("_TZ_ARKO5_v91.ini")).value(), saved), 300);
    EXPECT_EQ(saved[field::BASE_ADV], 17);
    EXPECT_EQ(saved, w.session().image());
}

TEST_F(WindowTest, SettingsThatCannotBeSavedAtCloseAreReportedToTheUserOnly) {
    struct Case {
        const char* what;
        bool settingsFail;
        bool imageFails;  // its path is a folder
        bool userClosed;  // else a signal closed the window
        bool reported;
    };
    const Case cases[] = {
        {"all saved", false, false, true, false},
        {"settings file", true, false, true, true},
        {"saved image", false, true, true, true},
        {"closed by a signal", true, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        settings.failFlush = c.settingsFail;
        const std::string image = dir.file("_TZ_ARKO5_v91.ini");
        std::filesystem::remove_all(image);
        if (c.imageFails) std::filesystem::create_directory(image);
        dialogs.errors.clear();
        presenter::WindowPresenter& w = start();
        ASSERT_TRUE(w.closeRequested(c.userClosed));
        w.closing();
        EXPECT_EQ(
            dialogs.errors,
            c.reported
                ? std::vector<std::string>{"The settings could not be saved for the next start."}
                : std::vector<std::string>{});
    }
}

TEST_F(WindowTest, ExitMenuClosesTheWindowThroughTheHost) {
    presenter::WindowPresenter& w = start();
    w.clicked(id("MenuExit"));
    EXPECT_EQ(host.closeRequests, 1);
}

TEST_F(WindowTest, MessageLineStaysForTwoHundredTicks) {
    presenter::WindowPresenter& w = start();
    w.messageLine().show("Saving:", ui::Colour::ButtonFace);
    for (int i = 0; i < 150; ++i) w.tick();
    w.messageLine().show("Read error!", ui::Colour::Red);
    for (int i = 0; i < 200; ++i) w.tick();
    EXPECT_TRUE(control("LabelHlaseni").visible);
    EXPECT_EQ(control("LabelHlaseni").colour, ui::Colour::Red);
    w.tick();
    EXPECT_FALSE(control("LabelHlaseni").visible);
}

TEST_F(WindowTest, HintGoesToTheFirstStatusPanel) {
    presenter::WindowPresenter& w = start();
    w.hintChanged("Open parameter file");
    EXPECT_EQ(control("StatusBar1").items[0], "Open parameter file");
    w.hintChanged("");
    EXPECT_EQ(control("StatusBar1").items[0], "");
}

}  // namespace
}  // namespace tz
