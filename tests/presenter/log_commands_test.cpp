// Live-data logs in the window, headless on the simulated unit's model and a
// clock of the line's ticks: recording with its status and a write that
// fails, replay with its bar and a silent link, and the time per map cell as
// shading and tool tips.
#include <filesystem>
#include <fstream>
#include <regex>

#include "failing_log_sink.h"
#include "logs/live_csv.h"
#include "platform/atomic_file.h"
#include "platform/utf8_path.h"
#include "sim/log_replay.h"
#include "texts/live_log_texts.h"
#include "unit_fixture.h"

namespace tz::testing {
namespace {

using texts::Language;
using texts::LogText;

class LogCommandsTest : public WindowWithUnit {
  protected:
    presenter::WindowPresenter& startAt(int rpm, int tps = 0) {
        sim::UnitConfig config;
        config.fields.set("rpm", rpm);
        config.fields.set("tps", tps);
        return startWithUnit(std::move(config));
    }
    void click(std::string_view name) { window->clicked(id(name)); }
    std::string statusPanel() { return control("StatusBar1").items.at(5); }
    std::string write(const std::string& name, const std::string& text) {
        std::ofstream(dir.file(name), std::ios::binary) << text;
        return dir.file(name);
    }
    std::size_t written() { return line.device(kUnitPath).written.size(); }
    const ui::Control& cell(int row, int column) {
        return controls().at(
            window->index().cellEdits[static_cast<std::size_t>(10 * row + column)]);
    }
};

TEST_F(LogCommandsTest, RecordingShowsItsStatusAndAFailedWriteStopsItKeepingTheRows) {
    std::string text;
    std::string opened;
    openLogFile = [&](const std::string& path, std::error_code&) {
        opened = path;
        return std::make_unique<FailingSink>(text, 5);
    };
    startAt(3000);
    ASSERT_TRUE(tickUntil([&] { return window->session().connected(); }));
    dialogs.paths = {dir.file("ride.csv")};
    click("MenuRecordLive");
    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    const FileDialogRequest& request = dialogs.saveRequests[0];
    EXPECT_TRUE(std::regex_match(request.fileName, std::regex(R"(live-\d{8}-\d{6}\.csv)")))
        << request.fileName;
    EXPECT_EQ(request.filters[0].pattern, "*.csv");
    EXPECT_TRUE(request.confirmOverwrite);
    EXPECT_EQ(opened, dir.file("ride.csv"));
    EXPECT_FALSE(control("MenuRecordLive").enabled);
    EXPECT_TRUE(control("MenuStopRecording").enabled);

    ASSERT_TRUE(tickUntil([&] { return window->session().recordedRows() == 2; }));
    EXPECT_TRUE(std::regex_match(statusPanel(), std::regex(R"(Recording 0:00:0\d, rows: 2)")))
        << statusPanel();

    ASSERT_TRUE(tickUntil([&] { return !window->session().recording(); }));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("Rows kept in the file: 3"), std::string::npos)
        << dialogs.messages[0];
    EXPECT_EQ(statusPanel(), "");
    EXPECT_TRUE(control("MenuRecordLive").enabled);
    EXPECT_FALSE(control("MenuStopRecording").enabled);
    const logs::ParsedLiveCsv kept = logs::ParseLiveCsv(text);
    ASSERT_FALSE(kept.error);
    EXPECT_EQ(kept.log.rows.size(), 3u);
    EXPECT_FALSE(kept.log.lastRowCutOff);
    EXPECT_EQ(kept.log.rows[2].values.rpm, 3000);
}

TEST_F(LogCommandsTest, RecordingIntoAFileUntilStoppedAndAFileThatCannotBeCreated) {
    startAt(4000);
    dialogs.paths = {dir.file("nowhere/ride.csv"), dir.file("ride.csv")};
    click("MenuRecordLive");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("cannot be created"), std::string::npos);
    EXPECT_FALSE(window->session().recording());

    window->setLanguage(1);
    click("MenuRecordLive");
    ASSERT_TRUE(tickUntil([&] { return window->session().recordedRows() == 3; }));
    EXPECT_NE(statusPanel().find("Aufzeichnung"), std::string::npos) << statusPanel();
    click("MenuStopRecording");
    EXPECT_FALSE(window->session().recording());
    tick(20);
    const logs::ParsedLiveCsv log = logs::ParseLiveCsv(readWholeFile(dir.file("ride.csv")).value());
    ASSERT_FALSE(log.error);
    ASSERT_EQ(log.log.rows.size(), 3u);
    EXPECT_EQ(log.log.rows[0].timeMs, 0);
    EXPECT_EQ(log.log.rows[2].values.rpm, 4000);
    // The next dialog starts in the directory chosen last.
    EXPECT_EQ(dialogs.saveRequests.back().fileName.rfind(joinPath(dir.file("nowhere"), "live-"), 0),
              0u);

    // What the window recorded, the simulated unit and the window replay.
    sim::MonitorFields fields;
    sim::ApplyReplay(log.log, false, 0, fields);
    EXPECT_EQ(fields.get("rpm"), 4000);
    ASSERT_TRUE(window->logs().replayFile(dir.file("ride.csv")));
    EXPECT_EQ(control("LabelRpm").caption, "RPM = 4000 ");
}

TEST_F(LogCommandsTest, AReplayShowsTheLogOnTheClockWhileTheLinkStaysSilent) {
    startAt(5432);
    ASSERT_TRUE(tickUntil([&] { return window->session().connected(); }));

    dialogs.paths = {write("bad.csv", "time_s,rpm\n0.000,1500\n0.100,-3\n")};
    click("MenuReplayLive");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0],
              "The live-data log cannot be replayed:\nline 3: rpm: value out of range");
    EXPECT_FALSE(window->session().replaying());

    dialogs.paths = {
        write("ride.csv", "time_s,rpm,tps\n0.000,2000,0\n1.000,6000,0\n2.000,6000,0\n")};
    click("MenuReplayLive");
    ASSERT_TRUE(window->session().replaying());
    EXPECT_TRUE(control("GroupBoxReplay").visible);
    EXPECT_EQ(control("LabelReplayFile").caption, "ride.csv");
    EXPECT_EQ(control("TrackBarReplay").max, 20);
    EXPECT_EQ(control("LabelRpm").caption, "RPM = 2000 ");
    EXPECT_EQ(control("LabelReplayTime").caption, "0:00.0 / 0:02.0");
    for (std::string_view name :
         {"MenuRead", "MenuVerify", "MenuProgram", "BitBtnProgram", "MenuCompareUnit"})
        EXPECT_FALSE(control(name).enabled) << name;

    const std::size_t before = written();
    click("ButtonReplayPlay");
    EXPECT_EQ(control("ButtonReplayPlay").caption, "Pause");
    tick(18);
    EXPECT_EQ(control("LabelRpm").caption, "RPM = 2000 ");
    tick();  // 19 × 55 ms ≥ 1 s
    EXPECT_EQ(control("LabelRpm").caption, "RPM = 6000 ");
    EXPECT_TRUE(cell(9, 5).colour == ui::Colour::Lime);
    EXPECT_EQ(control("TrackBarReplay").position, 10);
    window->trackBarChanged(id("TrackBarReplay"), 0);
    EXPECT_EQ(control("LabelRpm").caption, "RPM = 2000 ");
    click("ButtonReplayPlay");
    EXPECT_EQ(control("ButtonReplayPlay").caption, "Play");
    click("MenuProgram");
    tick(40);
    EXPECT_EQ(written(), before) << "nothing goes to the unit while replaying";
    EXPECT_FALSE(control("LabelSpojeni").visible);

    click("ButtonReplayStop");
    EXPECT_FALSE(control("GroupBoxReplay").visible);
    EXPECT_TRUE(control("BitBtnProgram").enabled);
    EXPECT_EQ(control("LabelRpm").caption, "RPM = 5432 ");
    tick(20);
    EXPECT_GT(written(), before) << "the link polls again";
    EXPECT_EQ(window->session().live().rpm, 5432);
}

TEST_F(LogCommandsTest, ALogOverTheLimitIsRefusedWholeNamingTheLimit) {
    startAt(3000);
    // A sparse file: over the limit without its bytes on the disk.
    const std::string path = write("huge.csv", "time_s,rpm\n0.000,1000\n");
    std::filesystem::resize_file(path, presenter::kMaxReplayLogBytes + 1);
    EXPECT_FALSE(window->logs().replayFile(path));
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"The live-data log is larger than 512 "
                                                         "MiB and cannot be replayed."});
    EXPECT_FALSE(window->session().replaying());
}

TEST_F(LogCommandsTest, TimePerCellShadesTheCellsWithTheSecondsInTheirToolTips) {
    start();
    window->setLanguage(3);
    dialogs.paths = {write("ride.csv",
                           "time_s,rpm\n0,1000\n1,1000\n2,1000\n3,1000\n4,1000\n5,2000\n"
                           "6,3000\n6.5,3000\n")};
    click("MenuReplayLive");
    ASSERT_EQ(dialogs.messages.size(), 0u);
    click("MenuCellTime");
    EXPECT_TRUE(control("MenuCellTime").checked);
    window->comboChanged(id("ComboBoxReplaySpeed"), 5);
    click("ButtonReplayPlay");
    tick(presenter::LogCommands::kCellTimeTicks * 2);
    ASSERT_FALSE(window->session().replay()->playing());

    // Row 9 without the throttle rows: 5 s, 1 s and 0.5 s in columns 0 to 2.
    const auto shownText = [](const char* seconds) {
        return texts::fillIn(texts::logText(LogText::CellTime, Language::Czech), {seconds});
    };
    EXPECT_EQ(cell(9, 0).colour, ui::Colour::Shade4);
    EXPECT_EQ(cell(9, 1).colour, ui::Colour::Shade1);
    EXPECT_EQ(cell(9, 2).colour, ui::Colour::Lime) << "the live cell stays marked";
    EXPECT_EQ(cell(9, 3).colour, ui::Colour::Window);
    EXPECT_EQ(cell(9, 0).hint, shownText("5.0"));
    EXPECT_EQ(cell(9, 1).hint, shownText("1.0"));
    EXPECT_EQ(cell(9, 2).hint, shownText("0.5"));
    EXPECT_EQ(cell(9, 3).hint, shownText("0.0"));
    EXPECT_TRUE(cell(9, 3).showHint);

    // The live cell moves away: the shading comes back under it.
    window->trackBarChanged(id("TrackBarReplay"), 0);
    window->tick();
    EXPECT_EQ(cell(9, 2).colour, ui::Colour::Shade1);

    click("MenuCellTimeReset");
    EXPECT_EQ(cell(9, 1).colour, ui::Colour::Window);
    EXPECT_EQ(cell(9, 1).hint, shownText("0.0"));

    click("MenuCellTime");
    EXPECT_FALSE(control("MenuCellTime").checked);
    EXPECT_FALSE(cell(9, 3).showHint);
    EXPECT_EQ(cell(9, 3).hint, "");
}

TEST(CellShade, FourStepsOfTheLongestTime) {
    struct Case {
        std::int64_t ms, longest;
        ui::Colour shade;
    };
    const Case cases[] = {
        {0, 1000, ui::Colour::Window},    {1, 1000, ui::Colour::Shade1},
        {250, 1000, ui::Colour::Shade1},  {251, 1000, ui::Colour::Shade2},
        {750, 1000, ui::Colour::Shade3},  {999, 1000, ui::Colour::Shade4},
        {1000, 1000, ui::Colour::Shade4}, {5, 0, ui::Colour::Window},
    };
    for (const Case& c : cases)
        EXPECT_EQ(presenter::cellShade(c.ms, c.longest), c.shade) << c.ms << " of " << c.longest;
}

TEST(LogTime, MinutesAndTenthsThenHours) {
    EXPECT_EQ(presenter::formatLogTime(0), "0:00.0");
    EXPECT_EQ(presenter::formatLogTime(61'250), "1:01.2");
    EXPECT_EQ(presenter::formatLogTime(3'600'000 + 5'000), "1:00:05.0");
    EXPECT_EQ(presenter::formatLogTime(-5), "0:00.0");
}

TEST(LogErrors, NameTheLineAndTheColumnInEveryLanguage) {
    const logs::LiveCsvError error{logs::LiveCsvProblem::NotANumber, 7, "rpm"};
    const std::pair<Language, const char*> cases[] = {
        {Language::English, "The live-data log cannot be replayed:\nline 7: rpm: not a number"},
        {Language::German,
         "Das Live-Daten-Protokoll kann nicht wiedergegeben werden:\nZeile 7: rpm: keine Zahl"},
        {Language::French,
         "Le journal des données en direct ne peut pas être rejoué :\nligne 7 : rpm : pas un "
         "nombre"},
        {Language::Czech, "Záznam živých dat nelze přehrát:\nřádek 7: rpm: není číslo"},
    };
    for (const auto& [language, text] : cases)
        EXPECT_EQ(presenter::describeLogError(error, language), text);
}

TEST_F(LogCommandsTest, TheLogPageZoomsAndPansWithThePointerAndDrawsOnlyWhatChanged) {
    startAt(3000);
    std::string ride = "time_s,rpm\n";
    for (int i = 0; i < 100; ++i)
        ride += std::to_string(i / 10) + "." + std::to_string(i % 10) + ",3000\n";
    ASSERT_TRUE(window->logs().replayFile(write("ride.csv", ride)));
    window->pageChanged(id("PageControl1"), presenter::LogView::kPage);
    window->tick();
    const ui::ControlId plot = id("LogPlot");
    const int paints = surfaces.paints[plot];
    window->tick();
    EXPECT_EQ(surfaces.paints[plot], paints) << "nothing changed";

    const plots::TimeView& view = window->logView().timeView();
    const plots::PlotGeometry& g = window->logView().geometry();
    const auto pointer = [&](PointerEvent::Type type, int x, bool right = false) {
        window->canvasMouse(
            plot, {type, right ? PointerEvent::Button::Right : PointerEvent::Button::Left, false,
                   false, x, 50});
    };
    // The wheel over the plot narrows the time around the pointer.
    const int x = g.axis.x(5000);
    pointer(PointerEvent::Type::Move, x);
    window->mouseWheel(120, {});
    EXPECT_EQ(view.spanMs(), 7920);
    EXPECT_NEAR(static_cast<double>(view.fromMs()), 5000 - 0.8 * 5000, 20);
    window->tick();
    EXPECT_EQ(surfaces.paints[plot], paints + 1);
    // A right drag moves it; "Whole ride" shows all again.
    const std::int64_t from = view.fromMs();
    pointer(PointerEvent::Type::Press, x, true);
    pointer(PointerEvent::Type::Move, x + 100, true);
    pointer(PointerEvent::Type::Release, x + 100, true);
    EXPECT_LT(view.fromMs(), from);
    click("ButtonLogWhole");
    EXPECT_TRUE(view.whole());
    // Away from the plot the wheel is the graphs'.
    pointer(PointerEvent::Type::Leave, 0);
    window->mouseWheel(120, {});
    EXPECT_TRUE(view.whole());
}

}  // namespace
}  // namespace tz::testing
