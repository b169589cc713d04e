// The cost of one tick of the window's logic with the engine running: the
// window's logic, headless, on an in-process line to the simulated unit's
// model with its engine running through the map. Prints the median and the
// 99th percentile over many ticks.
//
//     build/bench/tz_tick_measure [TICKS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <vector>

#include "presenter/main_window.h"
#include "cli/headless_services.h"
#include "params/param_state.h"
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

}  // namespace

int main(int argc, char** argv) {
    const int ticks = argc > 1 ? std::atoi(argv[1]) : 20000;
    tz::sim::UnitConfig config;
    config.stored = tz::firstStartState().image;
    config.engine = true;
    tz::sim::UnitModel unit(config);
    std::int64_t nowMs = 0;

    tz::MemorySettingsStore settings;
    tz::cli::HeadlessDialogs dialogs(std::cerr);
    tz::cli::NoKeys keys;
    tz::cli::HeadlessHost host;
    tz::cli::NoPrinter printer;
    tz::cli::NoDesktop desktop;
    tz::cli::NoClock clock;
    tz::cli::NoSurfaces surfaces;
    tz::MainWindow window(
        tz::WindowServices{settings,
                           dialogs,
                           keys,
                           host,
                           printer,
                           desktop,
                           clock,
                           surfaces,
                           "",
                           "",
                           ".",
                           {},
                           [&] { return std::make_unique<ModelLine>(unit, nowMs); },
                           [] { return std::vector<std::string>{"model"}; }},
        {});
    window.FormCreate();
    // The advance map page in 2D, so that live tracking redraws the graph.
    window.pageChanged(window.controls().id("PageControl1"), 2);
    window.radioClicked(window.controls().id("RadioGroupGraphMode"), 1);

    std::vector<double> micros;
    micros.reserve(static_cast<std::size_t>(ticks));
    for (int t = 0; t < ticks; ++t) {
        nowMs += tz::MainWindow::kTickMs;
        const auto start = std::chrono::steady_clock::now();
        window.tick();
        const auto end = std::chrono::steady_clock::now();
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    std::sort(micros.begin(), micros.end());
    const auto at = [&](double q) {
        return micros[static_cast<std::size_t>(q * static_cast<double>(micros.size() - 1))];
    };
    std::printf("ticks %d  engine rpm at end %u  median %.1f us  p99 %.1f us  max %.1f us\n", ticks,
                window.link().live().rpm, at(0.5), at(0.99), micros.back());
    window.FormClose();
    return 0;
}
