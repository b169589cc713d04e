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
#include <deque>
#include <vector>

#include "canvas/recording_canvas.h"
#include "logs/live_csv.h"
#include "params/param_state.h"
#include "platform/atomic_file.h"
#include "platform/memory_settings.h"
#include "presenter/window_presenter.h"
#include "sim/unit_model.h"

namespace {

// A serial line whose far end is the unit model, answering at once.
class ModelLine final : public tz::link::SerialPort {
  public:
    ModelLine(tz::sim::UnitModel& unit, const std::int64_t& nowMs) : unit_(unit), now_(nowMs) {}
    bool open(const std::string&) override { return open_ = true; }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    std::size_t bytesWaiting() override { return incoming_.size(); }
    std::size_t read(std::span<std::uint8_t> buffer) override {
        std::size_t n = 0;
        while (n < buffer.size() && !incoming_.empty()) {
            buffer[n++] = incoming_.front();
            incoming_.pop_front();
        }
        return n;
    }
    bool write(std::span<const std::uint8_t> bytes) override {
        tz::link::Frame request{};
        std::copy(bytes.begin(), bytes.end(), request.begin());
        if (auto reply = unit_.answer(request, now_))
            incoming_.insert(incoming_.end(), reply->begin(), reply->end());
        return true;
    }
    void purge() override { incoming_.clear(); }
    bool deviceGone() const override { return false; }

  private:
    tz::sim::UnitModel& unit_;
    const std::int64_t& now_;
    std::deque<std::uint8_t> incoming_;
    bool open_ = false;
};

// The window's services doing nothing: the tick alone is measured, not its
// drawing.
struct NoDialogs : tz::Dialogs {
    void showMessage(std::string_view) override {}
    void showError(std::string_view) override {}
    tz::Answer askYesNoCancel(std::string_view) override { return tz::Answer::Cancel; }
    std::size_t askChoice(std::string_view, const std::vector<std::string>& buttons) override {
        return buttons.size() - 1;
    }
    std::optional<std::string> openFile(const tz::FileDialogRequest&) override { return {}; }
    // A recording goes where nothing is kept, but every row is written.
    std::optional<std::string> saveFile(const tz::FileDialogRequest&) override {
        return "/dev/null";
    }
};
struct NoKeys : tz::Keyboard {
    tz::Modifiers modifiers() const override { return {}; }
};
struct Host : tz::WindowHost {
    void closeWindow() override {}
    int screenWidth() const override { return 1920; }
    int screenHeight() const override { return 1080; }
};
struct NoPrinter : tz::Printer {
    std::optional<std::string> printWindowImage() override { return {}; }
};
struct NoDesktop : tz::Desktop {
    bool openDocument(const std::string&) override { return false; }
    void showAbout(const tz::AboutContent&) override {}
};
struct NoClock : tz::Clock {
    std::string shortDate() const override { return ""; }
    std::string longTime() const override { return ""; }
};
struct NoSurfaces : tz::Surfaces {
    void paint(tz::ui::ControlId, const std::function<void(tz::graphs::Canvas&)>&) override {}
    void movePointer(tz::ui::ControlId, int, int) override {}
};
// Surfaces drawn on as the window draws them, kept as calls.
struct RecordedSurfaces : tz::Surfaces {
    void paint(tz::ui::ControlId, const std::function<void(tz::graphs::Canvas&)>& draw) override {
        tz::graphs::RecordingCanvas canvas(637, 290);
        draw(canvas);
    }
    void movePointer(tz::ui::ControlId, int, int) override {}
};
struct NoClipboard : tz::Clipboard {
    std::string text() const override { return ""; }
    void setText(std::string_view) override {}
};
struct NoNumbers : tz::NumberDialog {
    std::optional<double> askNumber(const tz::NumberRequest&) override { return {}; }
};

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

    tz::MemorySettingsStore settings;
    NoDialogs dialogs;
    NoKeys keys;
    Host host;
    NoPrinter printer;
    NoDesktop desktop;
    NoClock clock;
    NoSurfaces noSurfaces;
    RecordedSurfaces recordedSurfaces;
    tz::Surfaces& surfaces = mode == Mode::ReplayLogPage
                                 ? static_cast<tz::Surfaces&>(recordedSurfaces)
                                 : static_cast<tz::Surfaces&>(noSurfaces);
    NoClipboard clipboard;
    NoNumbers numbers;
    tz::presenter::WindowPresenter window(
        tz::presenter::WindowServices{
            settings,
            dialogs,
            keys,
            host,
            printer,
            desktop,
            clock,
            surfaces,
            clipboard,
            numbers,
            "",
            "",
            {},
            {[&] { return std::make_unique<ModelLine>(unit, nowMs); },
             [] { return std::vector<std::string>{"model"}; }, ".", [&] { return nowMs; }}},
        {});
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
