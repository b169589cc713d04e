#include "params/ign_reader.h"
#include "platform/atomic_file.h"
#include "session_image.h"
#include "window_fixture.h"

namespace tz {
namespace {

using namespace field;
using testing::WindowTest;

TEST_F(WindowTest, UndoAndRedoFollowTheChangesAndTheirPage) {
    presenter::WindowPresenter& w = start();
    EXPECT_FALSE(control("MenuZpet").enabled);
    EXPECT_FALSE(control("SpeedButtonZnovu").enabled);

    controls().userSetItemIndex(id("PageControl1"), 2);
    typeInto("UpDown55", 44);
    EXPECT_EQ(w.session().image()[ADVANCE + 5], 44);
    EXPECT_TRUE(control("MenuZpet").enabled);
    EXPECT_TRUE(control("SpeedButtonZpet").enabled);

    w.pageChanged(id("PageControl1"), 0);
    w.clicked(id("MenuZpet"));
    EXPECT_EQ(w.session().image()[ADVANCE + 5], 32);
    EXPECT_EQ(control("Edit55").caption, "32");
    EXPECT_EQ(control("PageControl1").itemIndex, 0);
    EXPECT_TRUE(control("MenuZnovu").enabled);
    EXPECT_FALSE(control("MenuZpet").enabled);

    w.clicked(id("SpeedButtonZnovu"));
    EXPECT_EQ(w.session().image()[ADVANCE + 5], 44);
    EXPECT_EQ(control("PageControl1").itemIndex, 2);
}

// The history starts with the repaired image, before looking for unchanged
// edits.
void settle(presenter::WindowPresenter& w) {
    w.edits().commitImage();
    w.edits().resetHistory();
}

TEST_F(WindowTest, EnterWithoutAChangePushesNothing) {
    presenter::WindowPresenter& w = start();
    settle(w);
    EXPECT_TRUE(w.keyPressed(id("Edit60"), kKeyEnter));
    EXPECT_FALSE(control("MenuZpet").enabled);
    EXPECT_EQ(controls().focusRequest(), id("Edit60"));
    EXPECT_TRUE(controls().focusRequestIsNext());
    EXPECT_FALSE(w.keyPressed(id("Edit60"), 'a'));

    controls().userSetText(id("Edit60"), "33");
    EXPECT_TRUE(w.keyPressed(id("Edit60"), kKeyEnter));
    EXPECT_EQ(w.session().image()[ADVANCE + 10], 33);
    EXPECT_TRUE(control("MenuZpet").enabled);
}

TEST_F(WindowTest, UpDownClickCommitsAndRepairs) {
    presenter::WindowPresenter& w = start();
    controls().userStepUpDown(id("UpDownRpmAdv3"), +1);
    w.upDownClicked(id("UpDownRpmAdv3"), +1);
    EXPECT_EQ(w.session().image()[RPM_ADV + 2], 31);

    // An up/down without a click handler only reaches the image at the next read.
    controls().userStepUpDown(id("UpDownTestRpm"), +1);
    w.upDownClicked(id("UpDownTestRpm"), +1);
    EXPECT_EQ(w.session().image()[TEST_RPM], 50);
    typeInto("UpDownBaseAdv", 12);
    EXPECT_EQ(w.session().image()[TEST_RPM], 51);
}

TEST_F(WindowTest, AutomaticProgrammingIsArmedByTheFirstChange) {
    presenter::WindowPresenter& w = start();
    settle(w);
    controls().userSetChecked(id("CheckBoxProgHned"), true);
    w.checkBoxReleased(id("CheckBoxProgHned"));
    EXPECT_FALSE(control("LabelHlaseni").visible) << "no change, not armed yet";
    w.keyPressed(id("Edit60"), kKeyEnter);
    EXPECT_TRUE(control("LabelHlaseni").visible) << "armed: every record programs";
    EXPECT_EQ(control("LabelHlaseni").caption, "Program device:");
}

TEST_F(WindowTest, ColumnMapAndServoShiftsStopAtTheirLimits) {
    presenter::WindowPresenter& w = start();
    const Image& im = w.session().image();
    tz::testing::changeImage(w.session(), [&](Image& m) { m[advanceCell(0, 4)] = 0; });
    tz::testing::changeImage(w.session(), [&](Image& m) { m[advanceCell(1, 4)] = 5; });
    tz::testing::changeImage(w.session(), [&](Image& m) { m[advanceCell(2, 4)] = 60; });
    w.edits().commitImage();
    w.spinClicked(id("CSpinButton5"), -1);
    EXPECT_EQ(im[advanceCell(0, 4)], 0);
    EXPECT_EQ(im[advanceCell(1, 4)], 4);
    EXPECT_EQ(im[advanceCell(2, 4)], 59);
    w.spinClicked(id("CSpinButton5"), +1);
    w.spinClicked(id("CSpinButton5"), +1);
    EXPECT_EQ(im[advanceCell(0, 4)], 2);
    EXPECT_EQ(im[advanceCell(2, 4)], 60);

    // "Advance +" with "All" moves every cell, hidden rows included.
    controls().userSetChecked(id("CheckBoxIgnAll"), true);
    const int before = im[advanceCell(3, 3)];
    w.clicked(id("AdvancePlus"));
    EXPECT_EQ(im[advanceCell(3, 3)], before + 1);
    EXPECT_EQ(im[advanceCell(2, 4)], 60);

    // Without "All" only the live cell moves, and there is none yet.
    controls().userSetChecked(id("CheckBoxIgnAll"), false);
    const Image unchanged = im;
    w.clicked(id("AdvanceMinus"));
    EXPECT_EQ(im, unchanged);

    tz::testing::changeImage(w.session(), [&](Image& m) { m[SERVO_MV + 3] = 249; });
    tz::testing::changeImage(w.session(), [&](Image& m) { m[SERVO_MV + 4] = 1; });
    w.edits().commitImage();
    controls().userSetChecked(id("CheckBoxServoAll"), true);
    w.spinClicked(id("CSpinButton11"), +1);
    EXPECT_EQ(im[SERVO_MV + 3], 249);
    EXPECT_EQ(im[SERVO_MV + 4], 2);
    w.spinClicked(id("CSpinButton11"), -1);
    w.spinClicked(id("CSpinButton11"), -1);
    EXPECT_EQ(im[SERVO_MV + 4], 1);
}

TEST_F(WindowTest, NewAsksAndKeepsTheSpecialSetupOnce) {
    presenter::WindowPresenter& w = start();
    tz::testing::changeImage(w.session(), [&](Image& im) { im[LIMITER_RPM] = 150; });
    tz::testing::changeImage(w.session(), [&](Image& im) { im[INPUT1_FUNCTION] = 2; });
    w.edits().commitImage();

    dialogs.answers = {Answer::No};
    w.clicked(id("MenuNew"));
    EXPECT_EQ(dialogs.questions.back(), "Do you want default setting?");
    EXPECT_EQ(w.session().image()[LIMITER_RPM], 150);

    dialogs.answers = {Answer::Yes};
    w.clicked(id("SpeedButton6"));
    EXPECT_EQ(w.session().image()[LIMITER_RPM], 110);
    EXPECT_EQ(w.session().image()[INPUT1_FUNCTION], 2);
    EXPECT_EQ(w.session().fileName(), "");

    // Choosing "Special setting" keeps the hand-made setup for the next New.
    tz::testing::changeImage(w.session(), [&](Image& im) { im[LIMITER_RPM] = 150; });
    w.edits().commitImage();
    controls().userSetItemIndex(id("ComboBoxBike"), 6);
    w.comboChanged(id("ComboBoxBike"), 6);
    EXPECT_EQ(w.session().image()[BIKE], kBikeSpecial);
    dialogs.answers = {Answer::Yes, Answer::Yes};
    w.clicked(id("MenuNew"));
    EXPECT_EQ(w.session().image()[LIMITER_RPM], 150);
    w.clicked(id("MenuNew"));
    EXPECT_EQ(w.session().image()[LIMITER_RPM], 110);
}

TEST_F(WindowTest, MotorcycleChangeAnsweredNoStillAppliesItsPreset) {
    presenter::WindowPresenter& w = start();
    tz::testing::changeImage(w.session(), [&](Image& im) { im[LIMITER_RPM] = 150; });
    w.edits().commitImage();
    dialogs.answers = {Answer::No};
    controls().userSetItemIndex(id("ComboBoxBike"), 4);
    w.comboChanged(id("ComboBoxBike"), 4);
    EXPECT_EQ(w.session().image()[BIKE], 5);
    EXPECT_EQ(w.session().image()[SYNC_METHOD], 6);
    EXPECT_EQ(w.session().image()[LOBE_COUNT], 4);
    EXPECT_EQ(w.session().image()[LIMITER_RPM], 150);
    EXPECT_EQ(control("ComboBoxSynchro").itemIndex, 6);
}

TEST_F(WindowTest, SaveAndOpenRoundTripThroughTheFileSystem) {
    presenter::WindowPresenter& w = start();
    typeInto("UpDown77", 41);
    typeInto("UpDownOmez2", 12300);
    const std::string path = dir.file("tune.ign");
    dialogs.paths = {path};
    w.clicked(id("MenuSave"));
    EXPECT_EQ(w.session().fileName(), path);
    EXPECT_EQ(control("TFormHlav").caption, "  TZ_ARKO5       " + path);
    EXPECT_TRUE(dialogs.saveRequests.back().confirmOverwrite);
    EXPECT_EQ(dialogs.saveRequests.back().defaultExtension, "ign");

    const Image saved = w.session().image();
    typeInto("UpDown77", 10);
    dialogs.paths = {path};
    w.clicked(id("MenuOpen"));
    EXPECT_EQ(w.session().image(), saved);
    EXPECT_EQ(control("Edit77").caption, "41");
    EXPECT_EQ(dialogs.openRequests.back().fileName, path);
    EXPECT_EQ(dialogs.openRequests.back().filters.size(), 2u);
}

TEST_F(WindowTest, AFileOnTheCommandLineOpensAsOpenWould) {
    presenter::WindowPresenter& first = start();
    typeInto("UpDown77", 41);
    const std::string path = dir.file("tune.ign");
    ASSERT_TRUE(first.session().save(path));

    struct Case {
        std::vector<std::string> arguments;
        std::string fileName;
        int language;
        std::size_t messages;
    };
    const Case cases[] = {
        {{path}, path, 0, 0},
        {{"DEUTSCH", path}, path, 1, 0},
        {{"DEUTSCH"}, "", 1, 0},
        {{dir.file("missing.ign")}, "", 0, 1},  // says so, as Open does
    };
    for (const Case& c : cases) {
        dialogs.messages.clear();
        presenter::WindowPresenter& w = start(c.arguments);
        w.openCommandLineFile();
        EXPECT_EQ(w.session().fileName(), c.fileName) << c.arguments.back();
        EXPECT_EQ(w.captions().language(), c.language) << c.arguments.back();
        EXPECT_EQ(dialogs.messages.size(), c.messages) << c.arguments.back();
        if (!c.fileName.empty()) {
            EXPECT_EQ(control("Edit77").caption, "41");
        }
    }
}

TEST_F(WindowTest, ToolButtonWithCtrlProposesTheDefaultFile) {
    presenter::WindowPresenter& w = start();
    keys.held.rightCtrl = true;
    w.clicked(id("SpeedButtonSave"));
    EXPECT_EQ(dialogs.saveRequests.back().fileName, dir.file("data.ign"));
    keys.held.rightCtrl = false;
    w.clicked(id("MenuOpenExeDir"));
    EXPECT_EQ(dialogs.openRequests.back().fileName, dir.file("data.ign"));
}

TEST_F(WindowTest, FailedSaveSaysSoAndKeepsTheFileName) {
    presenter::WindowPresenter& w = start();
    dialogs.paths = {dir.file("missing-dir/tune.ign")};
    w.clicked(id("MenuSave"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], "Open file error!");
    EXPECT_EQ(w.session().fileName(), "");
}

TEST_F(WindowTest, OpeningOlderAndForeignFiles) {
    presenter::WindowPresenter& w = start();
    ASSERT_TRUE(writeFileAtomically(dir.file("old.ign"),
                                    "KORVANEX_KEY 85\nLIMITER 100 125 6\nPILOT_LIGHT 9000\n"));
    dialogs.paths = {dir.file("old.ign")};
    w.clicked(id("MenuOpen"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].starts_with("Older version of *.ign file!\n\n"));
    EXPECT_EQ(w.session().image()[LIMITER_RPM], 125);
    EXPECT_EQ(w.session().fileName(), dir.file("old.ign"));

    ASSERT_TRUE(writeFileAtomically(dir.file("odd.ign"), "KORVANEX_KEY 70\nLIMITER 100 99 6\n"));
    dialogs.paths = {dir.file("odd.ign")};
    w.clicked(id("MenuOpen"));
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(dialogs.messages[1], "Unmatched version of *.ign file!");
    EXPECT_EQ(dialogs.messages[2],
              dir.file("odd.ign") + " is not a settings file: it has no usable KORVANEX_KEY line");
    EXPECT_EQ(w.session().image()[LIMITER_RPM], 125);
    EXPECT_EQ(w.session().fileName(), dir.file("old.ign"));

    // A word where a value belongs: opened, with the place named.
    ASSERT_TRUE(writeFileAtomically(dir.file("typo.ign"), "KORVANEX_KEY 91\nLIMITER 100 1l0 6\n"));
    dialogs.paths = {dir.file("typo.ign")};
    w.clicked(id("MenuOpen"));
    EXPECT_EQ(dialogs.messages.back(),
              dir.file("typo.ign") +
                  ", line 2: LIMITER stops at \"1l0\", which is not a number; its remaining "
                  "values were not read");
    EXPECT_EQ(w.session().fileName(), dir.file("typo.ign"));
}

}  // namespace
}  // namespace tz
