// The session's live-data logs on a fake steady clock: replay timing at
// every speed, the link left alone while replaying, the time per map cell
// from replayed rows and from the unit's frames, and recording that stops on
// a failed write.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "failing_log_sink.h"
#include "fake_serial_port.h"
#include "logs/live_csv.h"
#include "params/param_state.h"
#include "session/session.h"
#include "session_image.h"
#include "sim/unit_model.h"

namespace tz::session {
namespace {

using tz::testing::FailingSink;

constexpr int kTick = Session::kTickMs;
constexpr const char* kUnit = "/dev/ttyUSB0";

logs::LiveLog logOf(const std::string& text) {
    logs::ParsedLiveCsv parsed = logs::ParseLiveCsv(text);
    EXPECT_FALSE(parsed.error) << logs::DescribeLiveCsvError(*parsed.error);
    return std::move(parsed.log);
}

// Sizes the rows of a log (time_s,rpm) apart: four rows whose rpm names the
// row.
const char* const kFourRows =
    "time_s,rpm\n"
    "0.000,1000\n"
    "1.000,2000\n"
    "1.500,3000\n"
    "3.000,4000\n";

class SessionLogs : public ::testing::Test {
  protected:
    SessionLogs()
        : session({line.factory(), [] { return std::vector<std::string>{kUnit}; }, "",
                   [this] { return nowMs; }}) {
        tz::testing::setPortIndex(session, 0);
    }

    // A unit model answering on the line, its monitor values as given.
    void connectUnit(sim::MonitorFields fields = {}) {
        sim::UnitConfig config;
        config.stored = firstStartState().image;
        config.fields = fields;
        model = std::make_unique<sim::UnitModel>(std::move(config));
        line.device(kUnit).responder = [this](const link::Frame& request,
                                              link::testing::FakeDevice& device) {
            if (auto reply = model->answer(request, nowMs)) device.push(*reply);
        };
        session.openPort();
    }

    // One tick 55 ms later; the rpm of every monitor frame it brought is
    // kept with the tick's number.
    const Events& tick() {
        nowMs += kTick;
        ++line.tick;
        const Events& events = session.tick();
        note(events);
        return events;
    }
    void tick(int n) {
        for (int i = 0; i < n; ++i) tick();
    }
    void note(const Events& events) {
        for (const Event& e : events) {
            if (const auto* frame = std::get_if<link::MonitorFrame>(&e)) {
                frames.push_back({line.tick, frame->live.rpm});
                frameTimes.push_back(nowMs);
            }
        }
    }
    // The tick at which a row of this rpm was first shown, -1 for none.
    int firstTickOf(int rpm) const {
        for (const Frame& f : frames)
            if (f.rpm == rpm) return f.tick;
        return -1;
    }
    std::size_t written() { return line.device(kUnit).written.size(); }

    struct Frame {
        int tick;
        int rpm;
    };
    std::int64_t nowMs = 1'000'000;
    link::testing::FakeLine line;
    Session session;
    std::unique_ptr<sim::UnitModel> model;
    std::vector<Frame> frames;
    std::vector<std::int64_t> frameTimes;
};

TEST_F(SessionLogs, ReplayedRowsArriveAtTheirTimesAtEverySpeed) {
    struct Case {
        logs::ReplaySpeed speed;
        int ticks2000, ticks3000, ticks4000;  // the first tick showing each row
    };
    const Case cases[] = {
        {logs::ReplaySpeed::Quarter, 73, 110, 219},
        {logs::ReplaySpeed::Normal, 19, 28, 55},
        {logs::ReplaySpeed::Double, 10, 14, 28},
        {logs::ReplaySpeed::Octuple, 3, 4, 7},
    };
    for (const Case& c : cases) {
        frames.clear();
        note(session.startReplay(logOf(kFourRows)));
        ASSERT_TRUE(session.replaying());
        EXPECT_EQ(session.live().rpm, 1000);
        ASSERT_EQ(frames.size(), 1u);
        // Paused until played.
        tick(5);
        EXPECT_EQ(frames.size(), 1u);

        session.setReplaySpeed(c.speed);
        line.tick = 0;
        note(session.playReplay());
        tick(c.ticks4000 + 5);
        EXPECT_EQ(firstTickOf(2000), c.ticks2000) << static_cast<int>(c.speed);
        EXPECT_EQ(firstTickOf(3000), c.ticks3000) << static_cast<int>(c.speed);
        EXPECT_EQ(firstTickOf(4000), c.ticks4000) << static_cast<int>(c.speed);
        // Without looping it stops at the last row, which stays shown.
        EXPECT_FALSE(session.replay()->playing());
        EXPECT_EQ(session.live().rpm, 4000);
        session.stopReplay();
        EXPECT_FALSE(session.replaying());
    }
}

TEST_F(SessionLogs, PauseSeekPlayAgainAndLoop) {
    session.startReplay(logOf(kFourRows));
    note(session.seekReplay(1200));
    EXPECT_EQ(session.live().rpm, 2000);
    note(session.seekReplay(1300));
    EXPECT_EQ(frames.size(), 1u) << "the same row is not shown again";

    session.playReplay();
    tick(4);
    EXPECT_EQ(session.live().rpm, 3000);
    session.pauseReplay();
    const std::int64_t paused = session.replay()->positionMs();
    tick(40);
    EXPECT_EQ(session.replay()->positionMs(), paused);

    // Played from its end, it starts over.
    session.seekReplay(3000);
    note(session.playReplay());
    EXPECT_EQ(session.live().rpm, 1000);

    // Looping: one pass lasts up to the last row plus an average row
    // interval (4 s), then the first row is back.
    session.setReplayLooping(true);
    session.setReplaySpeed(logs::ReplaySpeed::Octuple);
    frames.clear();
    line.tick = 0;
    tick(10);
    std::vector<int> rpms;
    for (const Frame& f : frames) rpms.push_back(f.rpm);
    EXPECT_EQ(rpms, (std::vector<int>{2000, 3000, 4000, 1000}));
    EXPECT_EQ(firstTickOf(1000), 10);  // 9 × 440 ms < 4 s ≤ 10 × 440 ms
}

TEST_F(SessionLogs, TheLinkStaysSilentWhileReplayingAndTakesOverAfterwards) {
    sim::MonitorFields fields;
    fields.set("rpm", 5432);
    connectUnit(fields);
    tick(10);
    ASSERT_TRUE(session.connected());
    ASSERT_EQ(session.live().rpm, 5432);

    session.startReplay(logOf(kFourRows));
    session.playReplay();
    const std::size_t before = written();
    tick(30);
    session.pressTestButton(link::TestButton::Ignition1);
    EXPECT_TRUE(session.program().empty());
    EXPECT_TRUE(session.verify().empty());
    EXPECT_TRUE(session.read().empty());
    // An edit with programming after change waits for the end of the replay.
    session.setProgramAfterChange(true);
    session.edit(SettingEdit{*settingAt(advanceCell(9, 3)), 30});
    tick(30);
    EXPECT_EQ(written(), before) << "nothing is sent while replaying";
    EXPECT_EQ(session.link().state(), link::LinkState::Idle);
    EXPECT_EQ(session.live().rpm, 4000);

    const Events& stopped = session.stopReplay();
    ASSERT_FALSE(stopped.empty());
    EXPECT_TRUE(std::holds_alternative<link::MonitorFrame>(stopped.front()))
        << "the unit's live values come back at once";
    EXPECT_EQ(session.link().state(), link::LinkState::Programming);
    ASSERT_TRUE([&] {
        for (int i = 0; i < 400; ++i) {
            tick();
            if (session.link().state() == link::LinkState::Idle) return true;
        }
        return false;
    }());
    EXPECT_EQ(model->stored()[advanceCell(9, 3)], 30);
    tick(10);
    EXPECT_EQ(session.live().rpm, 5432);
}

// The session takes its frames from one source at a time: while the replay
// plays, none of the unit's; once it stops, none of the log's, and the time
// per map cell starts afresh instead of giving the last row the gap.
TEST_F(SessionLogs, NoFrameOfTheOtherSourceLeaksAcrossASwitch) {
    nowMs = 0;
    sim::MonitorFields fields;
    fields.set("rpm", 5432);
    connectUnit(fields);
    tick(10);
    ASSERT_EQ(session.live().rpm, 5432);

    frames.clear();
    note(session.startReplay(logOf(kFourRows)));
    session.playReplay();
    for (int i = 0; i < 100 && session.live().rpm != 4000; ++i) tick();
    ASSERT_EQ(session.live().rpm, 4000);
    for (const Frame& f : frames) EXPECT_NE(f.rpm, 5432) << "tick " << f.tick;
    const std::int64_t lastRowCell = session.cellTime().ms(9, 3);

    frames.clear();
    note(session.stopReplay());
    tick(20);
    ASSERT_GE(frames.size(), 3u);
    for (const Frame& f : frames) EXPECT_EQ(f.rpm, 5432) << "tick " << f.tick;
    EXPECT_EQ(session.cellTime().ms(9, 3), lastRowCell);
}

TEST_F(SessionLogs, AReplayNeedsAFreeLinkAndRows) {
    connectUnit();
    tick(10);
    session.program();
    EXPECT_TRUE(session.startReplay(logOf(kFourRows)).empty());
    EXPECT_FALSE(session.replaying());
    for (int i = 0; i < 400 && session.link().state() != link::LinkState::Idle; ++i) tick();
    EXPECT_TRUE(session.startReplay(logOf("time_s,rpm\n")).empty());
    EXPECT_FALSE(session.replaying());
    EXPECT_FALSE(session.startReplay(logOf(kFourRows)).empty());
    EXPECT_TRUE(session.replaying());
}

// Default axes: 1000 rpm is column 0, 2000 column 1, 3000 column 2; below
// 1000 rpm there is no cell; without the throttle rows every time is in row 9.
TEST_F(SessionLogs, ReplayedTimeIsSummedPerCellAtTheLogsOwnTimes) {
    struct Case {
        const char* name;
        const char* log;
        logs::ReplaySpeed speed;
        std::int64_t column0, column1, column2;
    };
    const char* const ride =
        "time_s,rpm\n0.000,1000\n1.000,2000\n1.500,500\n2.000,3000\n2.250,3000\n";
    const Case cases[] = {
        {"normal speed", ride, logs::ReplaySpeed::Normal, 1000, 500, 250},
        {"eight times", ride, logs::ReplaySpeed::Octuple, 1000, 500, 250},
        {"a quarter", ride, logs::ReplaySpeed::Quarter, 1000, 500, 250},
        {"a gap of a unit that did not answer",
         "time_s,rpm\n0.000,1000\n0.500,1000\n3.000,2000\n3.200,2000\n", logs::ReplaySpeed::Double,
         500, 200, 0},
    };
    for (const Case& c : cases) {
        session.resetCellTime();
        session.startReplay(logOf(c.log));
        session.setReplaySpeed(c.speed);
        session.playReplay();
        for (int i = 0; i < 1000 && session.replay()->playing(); ++i) tick();
        const logs::CellTime& t = session.cellTime();
        EXPECT_EQ(t.ms(9, 0), c.column0) << c.name;
        EXPECT_EQ(t.ms(9, 1), c.column1) << c.name;
        EXPECT_EQ(t.ms(9, 2), c.column2) << c.name;
        EXPECT_EQ(t.totalMs(), c.column0 + c.column1 + c.column2) << c.name;
        session.stopReplay();
    }
}

TEST_F(SessionLogs, JumpsAreNotSummedAndALoopGivesTheLastRowItsShare) {
    const char* const ride =
        "time_s,rpm\n0.000,1000\n1.000,2000\n1.500,500\n2.000,3000\n2.250,3000\n";
    session.startReplay(logOf(ride));
    session.seekReplay(2100);
    session.seekReplay(0);
    EXPECT_EQ(session.cellTime().totalMs(), 0);

    // One pass of 2250 + 2250 / 4 ms at 440 ms a tick: the first row is back
    // at the seventh tick.
    session.setReplayLooping(true);
    session.setReplaySpeed(logs::ReplaySpeed::Octuple);
    session.playReplay();
    tick(7);
    ASSERT_EQ(session.replay()->currentIndex(), 0u);
    EXPECT_EQ(session.cellTime().ms(9, 0), 1000);
    EXPECT_EQ(session.cellTime().ms(9, 1), 500);
    EXPECT_EQ(session.cellTime().ms(9, 2), 250 + 562);
}

TEST_F(SessionLogs, TheUnitsFramesAreSummedInTheirCellAndTheSumsReset) {
    sim::MonitorFields fields;
    fields.set("rpm", 3000);
    connectUnit(fields);
    tick(60);
    ASSERT_GE(frameTimes.size(), 3u);
    const std::int64_t span = frameTimes.back() - frameTimes.front();
    EXPECT_EQ(session.cellTime().ms(9, 2), span);
    EXPECT_EQ(session.cellTime().totalMs(), span);

    // The engine stays where it was: the time from the last frame on counts.
    const std::int64_t last = frameTimes.back();
    session.resetCellTime();
    EXPECT_EQ(session.cellTime().totalMs(), 0);
    tick(30);
    EXPECT_EQ(session.cellTime().ms(9, 2), frameTimes.back() - last);
}

TEST_F(SessionLogs, RecordingWritesTheUnitsFramesAndStopsWhenAWriteFails) {
    connectUnit();
    std::string text;
    ASSERT_FALSE(session.startRecording(std::make_unique<FailingSink>(text, 4)));
    EXPECT_TRUE(session.recording());

    std::optional<RecordingFailed> failed;
    for (int i = 0; i < 100 && !failed; ++i) {
        for (const Event& e : tick())
            if (const auto* f = std::get_if<RecordingFailed>(&e)) failed = *f;
        if (i == 10) {
            EXPECT_EQ(session.recordingMs(), 11 * kTick);
        }
    }
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->error, std::errc::no_space_on_device);
    EXPECT_EQ(failed->rows, 2u);
    EXPECT_FALSE(session.recording());

    // The header and two whole rows, at the session clock's times.
    const logs::ParsedLiveCsv log = logs::ParseLiveCsv(text);
    ASSERT_FALSE(log.error);
    EXPECT_FALSE(log.log.lastRowCutOff);
    ASSERT_EQ(log.log.rows.size(), 2u);
    EXPECT_EQ(log.log.rows[0].timeMs, 0);
    EXPECT_EQ(log.log.rows[1].timeMs, frameTimes[1] - frameTimes[0]);

    std::string none;
    EXPECT_EQ(session.startRecording(std::make_unique<FailingSink>(none, 1)),
              std::errc::no_space_on_device);
    EXPECT_FALSE(session.recording());
}

TEST_F(SessionLogs, ReplayedRowsAreNotRecorded) {
    std::string text;
    session.startRecording(std::make_unique<FailingSink>(text, 1000));
    session.startReplay(logOf(kFourRows));
    session.setReplaySpeed(logs::ReplaySpeed::Octuple);
    session.playReplay();
    tick(10);
    EXPECT_EQ(session.recordedRows(), 0u);
    EXPECT_EQ(text, logs::LiveCsvHeader());
}

}  // namespace
}  // namespace tz::session
