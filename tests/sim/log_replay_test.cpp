// The simulated unit replaying a recorded log: what each column becomes in
// the monitor frame, which row is due when, and the command line.
#include "sim/log_replay.h"

#include <gtest/gtest.h>

#include <fstream>

#include "busy_live_values.h"
#include "link/monitor.h"
#include "logs/log_writer.h"
#include "params/param_state.h"
#include "sim/engine.h"
#include "sim/options.h"
#include "sim/unit_model.h"
#include "temp_dir.h"

namespace tz::sim {
namespace {

std::string csvRow(std::int64_t ms, const link::LiveValues& v) {
    logs::LiveRowBuffer buffer;
    return std::string(logs::FormatLiveRow(ms, v, buffer));
}

std::shared_ptr<const logs::LiveLog> parse(const std::string& text) {
    logs::ParsedLiveCsv parsed = logs::ParseLiveCsv(text);
    EXPECT_FALSE(parsed.error) << logs::DescribeLiveCsvError(*parsed.error);
    return std::make_shared<const logs::LiveLog>(std::move(parsed.log));
}

class Replay : public ::testing::Test {
  protected:
    // The live values the link decodes from the unit's answer to a poll.
    link::LiveValues polled(UnitModel& unit, std::int64_t nowMs) const {
        const auto frame = unit.answer(link::BuildPollFrame({0, 0, 0}), nowMs);
        EXPECT_TRUE(frame);
        return (*link::DecodeMonitorFrame(*frame));
    }
    link::LiveValues decode(const MonitorFields& fields) const {
        return (*link::DecodeMonitorFrame(fields.frame()));
    }

    UnitConfig config() const {
        UnitConfig c;
        c.stored = image;
        return c;
    }
    UnitConfig replaying(const std::string& csv, bool loop = false) const {
        UnitConfig c = config();
        c.replay = parse(csv);
        c.replayLoop = loop;
        return c;
    }

    Image image = firstStartState().image;
};

TEST_F(Replay, ARecordedRowDecodesBackToItsValues) {
    for (int step : {0, 1, 2}) {
        link::LiveValues logged = logs::testing::busyValues(step);
        logged.advance = {-100 + step, 155 - step};
        logged.protocolVersion = static_cast<std::uint8_t>(90 + step);
        UnitModel unit(replaying(std::string(logs::LiveCsvHeader()) + csvRow(0, logged)));
        EXPECT_EQ(csvRow(0, polled(unit, 0)), csvRow(0, logged)) << step;
    }
}

TEST_F(Replay, AnEngineRunRecordedThenReplayedGivesTheSameValues) {
    UnitConfig engine = config();
    engine.engine = true;
    UnitModel recorded(std::move(engine));
    tz::testing::TempDir dir;
    const std::string path = dir.file("ride.csv");
    std::error_code error;
    logs::LogWriter writer(logs::OpenLogFile(path, error));
    std::vector<std::string> rows;
    // Up to the limiter and down again, at the window's 55 ms.
    for (std::int64_t ms = 0; ms < kEngineCycleMs; ms += 55) {
        const link::LiveValues live = polled(recorded, ms);
        ASSERT_TRUE(writer.append(ms, live));
        rows.push_back(csvRow(ms, live));
    }

    std::ifstream in(path, std::ios::binary);
    UnitModel replayed(replaying(std::string(std::istreambuf_iterator<char>(in), {})));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto ms = static_cast<std::int64_t>(i) * 55;
        ASSERT_EQ(csvRow(ms, polled(replayed, ms)), rows[i]) << ms;
    }
}

TEST_F(Replay, EveryMillivoltValueOfTheConverterComesBack) {
    for (int reading = 0; reading <= 1023; ++reading) {
        MonitorFields recorded;
        recorded.set("tps-raw", reading);
        recorded.set("servo-desired", reading);
        const link::LiveValues logged = decode(recorded);

        MonitorFields replayed;
        replayed.set("tps-raw", link::ConverterReading(logged.throttleMv));
        replayed.set("servo-desired", link::ConverterReading(logged.servoDesiredMv));
        ASSERT_EQ(decode(replayed).throttleMv, logged.throttleMv) << reading;
        ASSERT_EQ(decode(replayed).servoDesiredMv, logged.servoDesiredMv) << reading;
    }
    EXPECT_EQ(link::ConverterReading(-5), 0);
    EXPECT_EQ(link::ConverterReading(60000), 1023);
}

TEST_F(Replay, RowsFollowTheClockFromTheStart) {
    const std::string csv = "time_s,rpm\n0.000,1000\n0.500,2000\n1.000,3000\n";
    const std::pair<std::int64_t, int> once[] = {{0, 1000},   {499, 1000},  {500, 2000},
                                                 {999, 2000}, {1000, 3000}, {60000, 3000}};
    UnitModel unit(replaying(csv));
    for (const auto& [ms, rpm] : once) EXPECT_EQ(polled(unit, ms).rpm, rpm) << ms;

    // One pass lasts 1.5 s: the last row keeps the average row interval.
    const std::pair<std::int64_t, int> looping[] = {
        {1499, 3000}, {1500, 1000}, {2000, 2000}, {2600, 3000}, {3000, 1000}};
    UnitModel looped(replaying(csv, true));
    for (const auto& [ms, rpm] : looping) EXPECT_EQ(polled(looped, ms).rpm, rpm) << ms;
}

TEST_F(Replay, MissingColumnsKeepTheUnitsValues) {
    UnitConfig c = replaying("time_s,rpm,tps\n0,4000,30\n");
    c.fields.set("supply", 12100);
    c.fields.set("pickup1", 1);
    UnitModel unit(std::move(c));
    const link::LiveValues v = polled(unit, 10);
    EXPECT_EQ(v.rpm, 4000);
    EXPECT_EQ(v.throttlePercent, 30);
    EXPECT_EQ(v.supplyMv, 12100);
    EXPECT_TRUE(v.pickupSignal[0]);
    EXPECT_EQ(v.protocolVersion, kProtocolVersion);
    EXPECT_TRUE(v.servoInPosition);
}

TEST_F(Replay, TheUnitsOwnEventsStillShow) {
    UnitModel unit(replaying("time_s,rpm,program_count\n0,4000,7\n"));
    // A power output test request lights the output over the replayed values.
    unit.answer(link::BuildPollFrame({0, 0x01, 0}), 0);
    const link::LiveValues v = polled(unit, 100);
    EXPECT_TRUE(v.powerOut[0]);
    EXPECT_EQ(v.programCount, 7);
}

class ReplayOptions : public ::testing::Test {
  protected:
    std::string write(const std::string& text) {
        const std::string path = dir.file("ride.csv");
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    std::string errorOf(const std::vector<std::string>& args) {
        std::string error;
        ParseOptions(args, error);
        return error;
    }

    tz::testing::TempDir dir;
};

TEST_F(ReplayOptions, ReadsTheLogAndTheLoopFlag) {
    const std::string path = write("time_s,rpm\n0,1000\n1,2000\n");
    std::string error;
    const SimOptions o = ParseOptions({"--loop", "--replay", path}, error);
    ASSERT_TRUE(error.empty()) << error;
    ASSERT_TRUE(o.unit.replay);
    EXPECT_EQ(o.unit.replay->rows.size(), 2u);
    EXPECT_TRUE(o.unit.replayLoop);
}

TEST_F(ReplayOptions, RefusesWhatCannotBeReplayed) {
    const std::string bad = write("time_s,rpm\n0,1000\n1,fast\n");
    EXPECT_EQ(errorOf({"--replay", bad}), bad + ": line 3: rpm: not a number");
    EXPECT_EQ(errorOf({"--replay", dir.file("none.csv")}), "cannot read " + dir.file("none.csv"));
    EXPECT_EQ(errorOf({"--loop"}), "--loop needs --replay");
    const std::string good = write("time_s,rpm\n0,1000\n");
    EXPECT_EQ(errorOf({"--replay", good, "--engine"}), "--replay and --engine cannot be combined");
}

}  // namespace
}  // namespace tz::sim
