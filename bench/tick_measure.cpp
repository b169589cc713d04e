// The cost of one tick of the window's logic with the engine running: the
// window's logic, headless, on an in-process line to the simulated unit's
// model with its engine running through the map. Prints the median and the
// 99th percentile over many ticks, twice: as the window starts, and while it
// records a live-data log (into /dev/null, each row written through) and
// shows the time per map cell; then while a one-hour log replays, on the
// advance map page and on the Log page, whose plot and histogram are drawn
// into a recording canvas of their size.
//
//     build/bench/tz_tick_measure [TICKS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "headless_services.h"
#include "logs/live_csv.h"
#include "params/param_state.h"
#include "platform/atomic_file.h"
#include "presenter/window_presenter.h"

using namespace tz::bench;

namespace {

enum class Mode { Started, Recording, ReplayMapPage, ReplayLogPage };

// An hour's ride, a row every 330 ms, as a file to replay.
std::string hourLogFile() {
    const std::string path = "/tmp/tz_tick_measure_hour.csv";
    std::string text(tz::logs::LiveCsvHeader());
    tz::logs::LiveRowBuffer buffer;
    for (int i = 0; i < 11000; ++i) {
        tz::link::LiveValues v;
        v.rpm = static_cast<std::uint16_t>(1500 + (i * 37) % 9000);
        v.throttlePercent = static_cast<std::uint8_t>(i * 7 % 101);
        v.advance = {10 + i % 20, 12 + i % 20};
        v.running = true;
        text += tz::logs::FormatLiveRow(330 * std::int64_t{i}, v, buffer);
    }
    tz::writeFileAtomically(path, text);
    return path;
}

void measure(int ticks, Mode mode) {
    const bool logs = mode == Mode::Recording;
    const bool replay = mode == Mode::ReplayMapPage || mode == Mode::ReplayLogPage;
    tz::sim::UnitConfig config;
    config.stored = tz::firstStartState().image;
    config.engine = true;
    tz::sim::UnitModel unit(config);
    std::int64_t nowMs = 0;

    HeadlessServices headless(unit, nowMs);
    RecordedSurfaces recordedSurfaces;
    tz::Surfaces& surfaces = mode == Mode::ReplayLogPage
                                 ? static_cast<tz::Surfaces&>(recordedSurfaces)
                                 : static_cast<tz::Surfaces&>(headless.surfaces);
    tz::presenter::WindowPresenter window(headless.services(surfaces), {});
    window.FormCreate();
    const auto id = [&](const char* name) {
        return window.controls().id(tz::ui::ControlName{name});
    };
    // The advance map page in 2D, so that live tracking redraws the graph.
    window.pageChanged(id("PageControl1"), 2);
    window.radioClicked(id("RadioGroupGraphMode"), 1);
    if (logs) {
        window.clicked(id("MenuRecordLive"));
        window.clicked(id("MenuCellTime"));
    }
    if (replay) {
        window.logs().replayFile(hourLogFile());
        window.logs().playOrPause();
        if (mode == Mode::ReplayLogPage)
            window.pageChanged(id("PageControl1"), tz::presenter::LogView::kPage);
    }

    std::vector<double> micros;
    micros.reserve(static_cast<std::size_t>(ticks));
    for (int t = 0; t < ticks; ++t) {
        nowMs += tz::presenter::WindowPresenter::kTickMs;
        const auto start = std::chrono::steady_clock::now();
        window.tick();
        const auto end = std::chrono::steady_clock::now();
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    std::sort(micros.begin(), micros.end());
    const auto at = [&](double q) {
        return micros[static_cast<std::size_t>(q * static_cast<double>(micros.size() - 1))];
    };
    std::printf("%-32s ticks %d  rows %zu  median %.1f us  p99 %.1f us  max %.1f us\n",
                mode == Mode::Started         ? "as started:"
                : mode == Mode::Recording     ? "recording, time per cell shown:"
                : mode == Mode::ReplayMapPage ? "replay playing, advance map:"
                                              : "replay playing, Log page:",
                ticks, window.session().recordedRows(), at(0.5), at(0.99), micros.back());
    window.FormClose();
}

}  // namespace

int main(int argc, char** argv) {
    const int ticks = argc > 1 ? std::atoi(argv[1]) : 20000;
    for (const Mode mode :
         {Mode::Started, Mode::Recording, Mode::ReplayMapPage, Mode::ReplayLogPage})
        measure(ticks, mode);
    return 0;
}
