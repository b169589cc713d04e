// Cost of the live-data logs: loading a one-hour log for a replay (must stay
// well under 200 ms, also with the replay started from it), and the
// per-frame work inside the window's 55 ms tick:
// formatting and writing one row, summing the time per map cell.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "logs/cell_time.h"
#include "logs/live_csv.h"
#include "logs/log_writer.h"
#include "params/param_state.h"
#include "platform/atomic_file.h"
#include "session/cell_timer.h"
#include "session/log_replay.h"

namespace {

using namespace tz::logs;

// One hour of frames as a ride would give them, about three a second.
constexpr int kRows = 11'000;
constexpr std::int64_t kHourMs = 3'600'000;

tz::link::LiveValues frameAt(int i) {
    tz::link::LiveValues v;
    const int level = i % 200 < 100 ? i % 200 : 200 - i % 200;  // up and down
    v.rpm = static_cast<std::uint16_t>(1200 + level * 95);
    v.throttlePercent = static_cast<std::uint8_t>(level);
    v.throttleMv = static_cast<std::uint16_t>(500 + level * 40);
    v.supplyMv = static_cast<std::uint16_t>(13600 + i % 7 * 50);
    v.advance = {10 + level / 4, 10 + level / 4};
    v.maxAdvance = {36, 36};
    v.servoDesiredMv = static_cast<std::uint16_t>(1000 + level * 30);
    v.servoMeasuredMv = static_cast<std::uint16_t>(1000 + level * 30 - 120);
    v.pickupSignal = {true, true};
    v.running = true;
    v.powerOut = {true, level >= 50, level >= 90};
    v.inputGrounded = {level >= 90, false};
    v.programCount = 12;
    v.protocolVersion = 91;
    return v;
}

const std::string& oneHourLog() {
    static const std::string text = [] {
        std::string t(LiveCsvHeader());
        LiveRowBuffer buffer;
        for (int i = 0; i < kRows; ++i) t += FormatLiveRow(kHourMs * i / kRows, frameAt(i), buffer);
        return t;
    }();
    return text;
}

void BM_ParseOneHourLog(benchmark::State& state) {
    const std::string& text = oneHourLog();
    for (auto _ : state) {
        ParsedLiveCsv parsed = ParseLiveCsv(text);
        if (parsed.error || parsed.log.rows.size() != kRows) state.SkipWithError("bad log");
        benchmark::DoNotOptimize(parsed);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ParseOneHourLog)->Unit(benchmark::kMillisecond);

// What a replay does when the user picks the file: read it and parse it.
void BM_LoadOneHourLogFromFile(benchmark::State& state) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("tz_log_bench_" + std::to_string(::getpid()));
    std::ofstream(path, std::ios::binary) << oneHourLog();
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        ParsedLiveCsv parsed = ParseLiveCsv(s.str());
        benchmark::DoNotOptimize(parsed);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadOneHourLogFromFile)->Unit(benchmark::kMillisecond);

// The window's whole way from the chosen file to the first row shown: read,
// parse, and the session's replay started with it.
void BM_StartReplayOfOneHourLog(benchmark::State& state) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("tz_log_bench_" + std::to_string(::getpid()));
    std::ofstream(path, std::ios::binary) << oneHourLog();
    const tz::Image image = tz::firstStartState().image;
    for (auto _ : state) {
        ParsedLiveCsv parsed = ParseLiveCsv(tz::readWholeFile(path.string()).value());
        tz::session::CellTimer cells;
        tz::session::Events events;
        tz::session::LogReplay replay(std::move(parsed.log), 0, cells);
        replay.resume(image, events);
        if (events.size() != 1) state.SkipWithError("no first row");
        benchmark::DoNotOptimize(replay);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_StartReplayOfOneHourLog)->Unit(benchmark::kMillisecond);

void BM_FormatRow(benchmark::State& state) {
    LiveRowBuffer buffer;
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatLiveRow(55 * i, frameAt(i), buffer));
        ++i;
    }
}
BENCHMARK(BM_FormatRow);

// Formatting and handing one row to the operating system, as while recording.
void BM_AppendRow(benchmark::State& state) {
    std::error_code error;
    LogWriter writer(OpenLogFile("/dev/null", error));
    const tz::link::LiveValues values = frameAt(42);
    std::int64_t ms = 0;
    for (auto _ : state) benchmark::DoNotOptimize(writer.append(ms += 55, values));
}
BENCHMARK(BM_AppendRow);

void BM_CellTimeAdd(benchmark::State& state) {
    const tz::Image image = tz::firstStartState().image;
    CellTime cells;
    int i = 0;
    for (auto _ : state) {
        cells.add(frameAt(i++ % 200), image, true, 55);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CellTimeAdd);

}  // namespace
