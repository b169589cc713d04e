// Comparing the window with the unit and with files, the restore points and
// the backup before programming, in the window on the simulator's unit
// model, with the comparison dialogs scripted.
#include <algorithm>
#include <filesystem>

#include "params/editor_rules.h"
#include "platform/atomic_file.h"
#include "platform/restore_points.h"
#include "session_image.h"
#include "unit_fixture.h"

namespace tz {
namespace {

using namespace field;
using presenter::ComparisonChoice;
using presenter::ComparisonModel;
using testing::WindowWithUnit;

// The unit holds the settings the window starts with as a programming run
// leaves them, but for three values, one of them in a byte that no value of
// a .ign file shows.
sim::UnitConfig otherUnit() {
    ParamState s = firstStartState();
    ApplyEditorRules(s.image);
    s.image[LIMITER_RPM] = 125;
    s.image[advanceCell(3, 4)] = 33;
    s.image[240] = 77;
    s.normalise();
    sim::UnitConfig config;
    config.stored = s.image;
    return config;
}

std::vector<std::string> pages(const ComparisonModel& m) {
    std::vector<std::string> out;
    for (const auto& g : m.groups) out.push_back(g.page);
    return out;
}

bool storeFrameSent(const link::testing::FakeDevice& device) {
    return std::any_of(device.written.begin(), device.written.end(),
                       [](const link::Frame& f) { return f[0] <= kPageCount; });
}

class Comparing : public WindowWithUnit {
  protected:
    // The window's image is what its controls show, as a verify takes it.
    presenter::WindowPresenter& startConnected(sim::UnitConfig config = otherUnit()) {
        presenter::WindowPresenter& w = startWithUnit(std::move(config));
        tick(12);
        w.edits().takeControls();
        return w;
    }
    // "Compare with unit", until the dialog has been shown: at the tick
    // after the unit's pages have arrived.
    void compareWithUnit() {
        window->clicked(id("MenuCompareUnit"));
        ASSERT_TRUE(tickUntilIdle());
        tick();
    }
    // A verify and the tick that may ask about it.
    void verify() {
        window->clicked(id("MenuVerify"));
        ASSERT_TRUE(tickUntilIdle());
        tick();
    }
};

TEST_F(Comparing, TheUnitsDifferencesByPageWithTheMapCellsMarked) {
    presenter::WindowPresenter& w = startConnected();
    const Image before = w.session().image();
    ASSERT_NO_FATAL_FAILURE(compareWithUnit());

    ASSERT_EQ(comparisonDialogs.comparisons.size(), 1u);
    const ComparisonModel& m = comparisonDialogs.comparisons[0];
    EXPECT_EQ(m.title, "Compare with unit");
    EXPECT_EQ(m.summary, "Values that differ: 3");
    EXPECT_EQ(pages(m), (std::vector<std::string>{"Inputs", "Advance Map", "Other"}));
    ASSERT_EQ(m.groups[0].rows.size(), 1u);
    EXPECT_EQ(m.groups[0].rows[0].name, "Limiter");
    EXPECT_EQ(m.groups[0].rows[0].window, "11000");
    EXPECT_EQ(m.groups[0].rows[0].other, "12500");
    EXPECT_EQ(m.groups[2].rows[0].name, "Image byte 240");
    ASSERT_EQ(m.grids.size(), 2u);
    const presenter::ComparisonGridCell& cell = m.grids[0].cells[1 + 3][4];
    EXPECT_TRUE(cell.differs);
    EXPECT_EQ(cell.text, std::to_string(before[advanceCell(3, 4)]) + " → 33");
    EXPECT_FALSE(m.grids[0].cells[1 + 3][5].differs);
    EXPECT_EQ(m.grids[0].rowHeaders[4], "TPS 10 %");
    EXPECT_FALSE(m.programUnit.empty());

    EXPECT_EQ(w.session().image(), before) << "reading for a comparison changes nothing";
    EXPECT_FALSE(storeFrameSent(line.device(kUnitPath)));
    EXPECT_FALSE(w.session().canUndo());
    EXPECT_FALSE(std::filesystem::exists(restorePoints)) << "and keeps no restore point";
}

TEST_F(Comparing, EachButtonOfTheUnitComparison) {
    struct Case {
        ComparisonChoice choice;
        bool windowTakesUnit;
        bool unitTakesWindow;
    };
    const Case cases[] = {
        {ComparisonChoice::KeepWindow, false, false},
        {ComparisonChoice::TakeOther, true, false},
        {ComparisonChoice::ProgramUnit, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.choice));
        presenter::WindowPresenter& w = startConnected();
        const Image before = w.session().image();
        comparisonDialogs.choices = {c.choice};
        ASSERT_NO_FATAL_FAILURE(compareWithUnit());
        ASSERT_TRUE(tickUntilIdle());

        EXPECT_EQ(w.session().image()[LIMITER_RPM], c.windowTakesUnit ? 125 : 110);
        EXPECT_EQ(w.session().image()[240], c.windowTakesUnit ? 77 : before[240]);
        EXPECT_EQ(control("EditOmez2").caption, c.windowTakesUnit ? "12500" : "11000");
        EXPECT_EQ(model->stored()[LIMITER_RPM], c.unitTakesWindow ? 110 : 125);
        if (c.windowTakesUnit) {
            w.clicked(id("MenuZpet"));
            EXPECT_EQ(w.session().image()[LIMITER_RPM], 110) << "one undo step";
            EXPECT_EQ(w.session().image()[240], before[240]);
        }
    }
}

TEST_F(Comparing, AFailedVerifyOffersTheComparisonOnce) {
    presenter::WindowPresenter& w = startConnected();
    comparisonDialogs.answers = {false, true};
    ASSERT_NO_FATAL_FAILURE(verify());
    ASSERT_EQ(comparisonDialogs.questions.size(), 1u);
    EXPECT_EQ(comparisonDialogs.questions[0],
              "Verify error!\n\nThe unit holds other settings than the window. Compare them now?");
    EXPECT_EQ(control("LabelHlaseni").caption, "Verify error!") << "shown before the question";
    tick(20);
    EXPECT_TRUE(comparisonDialogs.comparisons.empty()) << "No: nothing more";

    ASSERT_NO_FATAL_FAILURE(verify());
    ASSERT_TRUE(tickUntilIdle());
    tick();
    EXPECT_EQ(comparisonDialogs.questions.size(), 2u);
    EXPECT_EQ(comparisonDialogs.comparisons.size(), 1u);

    // No question when the unit did not answer, nor after a programming run.
    w.clicked(id("MenuProgram"));
    ASSERT_TRUE(tickUntilIdle());
    line.device(kUnitPath).responder = [](const link::Frame& request,
                                          link::testing::FakeDevice& device) {
        link::Frame echo = request;
        echo[0] |= link::kReplyBit;
        echo[50] ^= 1;
        link::Seal(echo);
        device.push(echo);
    };
    w.clicked(id("MenuProgram"));
    ASSERT_TRUE(tickUntilIdle());
    line.device(kUnitPath).responder = nullptr;
    ASSERT_NO_FATAL_FAILURE(verify());
    EXPECT_EQ(comparisonDialogs.questions.size(), 2u);
}

TEST_F(Comparing, TheDialogSpeaksTheWindowsLanguage) {
    presenter::WindowPresenter& w = startConnected();
    w.clicked(id("MenuGerman"));
    ASSERT_NO_FATAL_FAILURE(compareWithUnit());
    ASSERT_EQ(comparisonDialogs.comparisons.size(), 1u);
    const ComparisonModel& m = comparisonDialogs.comparisons[0];
    EXPECT_EQ(m.title, "Mit der Zündung vergleichen");
    EXPECT_EQ(m.otherHeader, "Zündung");
    EXPECT_EQ(pages(m), (std::vector<std::string>{"Eingänge", "Vorzündung Karte", "Sonstiges"}));
    EXPECT_EQ(m.groups[0].rows[0].name, "Drehzahlbegrenzer");
    EXPECT_EQ(m.takeOther, "Werte der Zündung &übernehmen");
}

TEST_F(Comparing, AFileSideIsWhatOpeningItWouldGive) {
    presenter::WindowPresenter& w = startConnected();
    const Image before = w.session().image();
    tz::testing::changeImage(w.session(), [&](Image& im) { im[SERVO_MV + 2] = 150; });
    w.session().normalise();
    ASSERT_TRUE(w.session().save(dir.file("other.ign")));
    tz::testing::putImage(w.session(), before);
    w.session().restoreFileNames("", "");

    for (ComparisonChoice choice : {ComparisonChoice::KeepWindow, ComparisonChoice::TakeOther}) {
        dialogs.paths = {dir.file("other.ign")};
        comparisonDialogs.choices = {choice};
        w.clicked(id("MenuCompareFile"));
    }
    ASSERT_EQ(comparisonDialogs.comparisons.size(), 2u);
    const ComparisonModel& m = comparisonDialogs.comparisons[0];
    EXPECT_EQ(m.title, "Compare with file – other.ign");
    EXPECT_EQ(m.otherHeader, "File");
    EXPECT_TRUE(m.programUnit.empty());
    EXPECT_TRUE(m.grids[1].cells[1][2].differs);
    EXPECT_EQ(w.session().image()[SERVO_MV + 2], 150);
    EXPECT_EQ(w.session().fileName(), dir.file("other.ign"));
    w.clicked(id("MenuZpet"));
    EXPECT_EQ(w.session().image()[SERVO_MV + 2], before[SERVO_MV + 2]) << "one undo step";

    dialogs.paths = {dir.file("missing.ign")};
    w.clicked(id("MenuCompareFile"));
    EXPECT_EQ(dialogs.messages.back(), "Open file error!");
    EXPECT_EQ(comparisonDialogs.comparisons.size(), 2u);
}

TEST_F(Comparing, RestorePointsListAndOpenAsOpenDoes) {
    presenter::WindowPresenter& w = startConnected();
    w.clicked(id("ButtonRead"));
    ASSERT_TRUE(tickUntilIdle());
    const Image read = w.session().image();
    typeInto("UpDown145", 44);
    const Image edited = w.session().image();

    comparisonDialogs.chosenPoints = {std::nullopt, 0};
    w.clicked(id("MenuRestorePoints"));
    ASSERT_EQ(comparisonDialogs.restorePointLists.size(), 1u);
    const presenter::RestorePointListModel& list = comparisonDialogs.restorePointLists[0];
    ASSERT_EQ(list.rows.size(), 1u);
    EXPECT_EQ(list.rows[0].time, "2026-12-10 04:30:00");
    EXPECT_EQ(list.rows[0].operation, "Read");
    EXPECT_EQ(list.rows[0].unit, "TZA05");
    EXPECT_EQ(list.rows[0].sameAsWindow, "no");
    EXPECT_EQ(w.session().image(), edited) << "nothing chosen";

    w.clicked(id("MenuRestorePoints"));
    EXPECT_EQ(w.session().image(), read);
    EXPECT_NE(w.session().fileName().find("20261210-043000-read-TZA05.ign"), std::string::npos);
    w.clicked(id("MenuRestorePoints"));
    EXPECT_EQ(comparisonDialogs.restorePointLists.back().rows[0].sameAsWindow, "yes");
    w.clicked(id("MenuZpet"));
    EXPECT_EQ(w.session().image(), edited);
}

TEST_F(Comparing, TheBackupIsOnInANewInstallationAndItsChoiceIsKept) {
    presenter::WindowPresenter& w = startConnected();
    EXPECT_TRUE(control("MenuBackup").checked);
    std::size_t sentBefore = line.device(kUnitPath).written.size();
    // The page frames of a Program command, the polls that follow while the
    // unit saves aside.
    const auto programFrames = [&] {
        w.clicked(id("MenuProgram"));
        EXPECT_TRUE(tickUntilIdle());
        const auto kinds = line.device(kUnitPath).kinds();
        std::vector<std::uint8_t> sent(kinds.begin() + static_cast<long>(sentBefore), kinds.end());
        sentBefore = kinds.size();
        std::erase(sent, link::kPollKind);
        return sent;
    };
    EXPECT_EQ(programFrames(), (std::vector<std::uint8_t>{0x40, 0x41, 0x42, 0x43, 0x00, 0x01, 0x02,
                                                          0x03, 0x41, 0x42, 0x43}));
    EXPECT_EQ(RestorePoints(restorePoints).list().size(), 2u);

    w.clicked(id("MenuBackup"));
    EXPECT_FALSE(control("MenuBackup").checked);
    EXPECT_EQ(programFrames(),
              (std::vector<std::uint8_t>{0x00, 0x01, 0x02, 0x03, 0x41, 0x42, 0x43}));
    w.FormClose();
    EXPECT_EQ(settings.values["BASIC/BackupBeforeProgram"], "0");
    startWithUnit();
    EXPECT_FALSE(control("MenuBackup").checked);
    EXPECT_FALSE(window->session().backupBeforeProgram());
}

TEST_F(Comparing, ARestorePointThatCannotBeWrittenIsReportedOnce) {
    settings.values["BASIC/BackupBeforeProgram"] = "0";  // no backup, which would stop the run
    ASSERT_TRUE(writeFileAtomically(restorePoints, "not a folder"));
    presenter::WindowPresenter& w = startConnected();
    for (int i = 0; i < 2; ++i) {
        w.clicked(id("MenuProgram"));
        ASSERT_TRUE(tickUntilIdle());
        tick();
    }
    EXPECT_EQ(dialogs.errors,
              std::vector<std::string>{"The restore point could not be written in " +
                                       restorePoints + "."});
}

}  // namespace
}  // namespace tz
