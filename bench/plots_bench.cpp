// Cost of one whole picture of the Log page's time plot: a one-hour log
// (11,000 rows, every channel plotted) at full HD, as after a zoom, a pan or
// a move of the cursor; and of the histogram beside it. The recording
// canvas keeps every call as the tests see them; the SVG canvas is what
// `log plot` writes.
#include <benchmark/benchmark.h>

#include <cmath>

#include "canvas/recording_canvas.h"
#include "canvas/svg_canvas.h"
#include "plots/histogram.h"
#include "plots/log_series.h"
#include "plots/time_plot.h"

namespace {

using tz::logs::kLiveColumnCount;
using tz::logs::LiveColumn;

// A ride of an hour: a frame every 330 ms, the engine going up and down.
const tz::plots::LogSeries& hourLog() {
    static const tz::plots::LogSeries series = [] {
        tz::logs::LiveLog log;
        log.present.fill(true);
        for (int i = 0; i < 11000; ++i) {
            tz::link::LiveValues v;
            const double phase = i * 0.013;
            v.rpm = static_cast<std::uint16_t>(6000 + 5000 * std::sin(phase) + (i * 37) % 300);
            v.throttlePercent = static_cast<std::uint8_t>(50 + 50 * std::sin(phase * 1.3));
            v.throttleMv = static_cast<std::uint16_t>(500 + 40 * v.throttlePercent);
            v.supplyMv = static_cast<std::uint16_t>(13500 + (i * 13) % 600);
            v.advance = {static_cast<int>(v.rpm / 300), static_cast<int>(v.rpm / 320)};
            v.maxAdvance = {36, 35};
            v.servoDesiredMv = static_cast<std::uint16_t>(1000 + v.rpm / 3);
            v.servoMeasuredMv = static_cast<std::uint16_t>(v.servoDesiredMv + (i * 7) % 50);
            v.pickupSignal = {true, i % 100 != 0};
            v.running = v.rpm > 1500;
            v.powerOut = {v.rpm > 8000, v.rpm > 9000, i % 2 == 0};
            v.inputGrounded = {i % 500 < 20, false};
            v.errorBits = static_cast<std::uint8_t>(i % 997 == 0);
            v.protocolVersion = 91;
            log.rows.push_back({i * 330, v});
        }
        return tz::plots::LogSeries(log);
    }();
    return series;
}

std::vector<LiveColumn> allChannels() {
    std::vector<LiveColumn> channels;
    for (std::size_t c = 0; c < kLiveColumnCount; ++c)
        channels.push_back(static_cast<LiveColumn>(c));
    return channels;
}

tz::plots::TimePlot plotOf(const std::vector<LiveColumn>& channels) {
    tz::plots::TimePlot plot;
    plot.series = &hourLog();
    plot.channels = channels;
    for (std::size_t c = 0; c < kLiveColumnCount; ++c)
        plot.names[c] = tz::logs::LiveColumnName(static_cast<LiveColumn>(c));
    plot.toMs = hourLog().durationMs();
    plot.cursorMs = hourLog().durationMs() / 3;
    return plot;
}

void BM_TimePlotRecording(benchmark::State& state) {
    const std::vector<LiveColumn> channels = allChannels();
    const tz::plots::TimePlot plot = plotOf(channels);
    tz::graphs::RecordingCanvas canvas(static_cast<int>(state.range(0)),
                                       static_cast<int>(state.range(1)));
    for (auto _ : state) {
        canvas.clear();
        benchmark::DoNotOptimize(tz::plots::drawTimePlot(canvas, plot));
    }
}

void BM_TimePlotSvg(benchmark::State& state) {
    const std::vector<LiveColumn> channels = allChannels();
    const tz::plots::TimePlot plot = plotOf(channels);
    for (auto _ : state) {
        tz::graphs::SvgCanvas canvas(1920, 1080);
        tz::plots::drawTimePlot(canvas, plot);
        benchmark::DoNotOptimize(canvas.document());
    }
}

void BM_Histogram(benchmark::State& state) {
    tz::graphs::RecordingCanvas canvas(256, 117);
    for (auto _ : state) {
        canvas.clear();
        tz::plots::drawHistogram(
            canvas, tz::plots::TimeHistogram(hourLog(), LiveColumn::Rpm, 0, hourLog().durationMs()),
            "rpm", tz::graphs::colour::kWhite);
    }
}

// Full HD, and the size of the Log page's plot.
BENCHMARK(BM_TimePlotRecording)
    ->Args({1920, 1080})
    ->Args({637, 288})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TimePlotSvg)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Histogram)->Unit(benchmark::kMillisecond);

}  // namespace
