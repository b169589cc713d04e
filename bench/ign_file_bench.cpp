// Cost of loading, repairing and saving one parameter file, the work behind
// every Open and Save.
#include <benchmark/benchmark.h>

#include "params/ign_reader.h"
#include "params/ign_writer.h"
#include "params/param_state.h"
#include "params/saved_image.h"

namespace {

const tz::IgnTrailer kTrailer{"25. 1.2003", "16:21", "ABC12", "Nov  4 2016", "14:23:33"};

std::string defaultFileText() {
    return tz::WriteIgnFile(tz::firstStartState().image, kTrailer);
}

void BM_ReadIgnFile(benchmark::State& state) {
    const std::string text = defaultFileText();
    tz::ParamState params = tz::firstStartState();
    for (auto _ : state) {
        benchmark::DoNotOptimize(tz::ReadIgnFile(text, params.image));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadIgnFile);

void BM_NormaliseImage(benchmark::State& state) {
    tz::ParamState params = tz::firstStartState();
    int value = 30;
    for (auto _ : state) {
        // Alternate one breakpoint so that every pass pushes and returns.
        params.image[tz::field::RPM_ADV + 2] = static_cast<std::uint8_t>(value);
        value = value == 30 ? 95 : 30;
        params.normalise();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_NormaliseImage);

void BM_WriteIgnFile(benchmark::State& state) {
    const tz::ParamState params = tz::firstStartState();
    for (auto _ : state) benchmark::DoNotOptimize(tz::WriteIgnFile(params.image, kTrailer));
}
BENCHMARK(BM_WriteIgnFile);

void BM_ReadNormaliseWrite(benchmark::State& state) {
    const std::string text = defaultFileText();
    for (auto _ : state) {
        tz::ParamState params = tz::firstStartState();
        tz::ReadIgnFile(text, params.image);
        params.normalise();
        benchmark::DoNotOptimize(tz::WriteIgnFile(params.image, kTrailer));
    }
}
BENCHMARK(BM_ReadNormaliseWrite);

void BM_SavedImageRoundTrip(benchmark::State& state) {
    const tz::Image image = tz::firstStartState().image;
    tz::Image back{};
    for (auto _ : state)
        benchmark::DoNotOptimize(tz::parseSavedImage(tz::formatSavedImage(image), back));
}
BENCHMARK(BM_SavedImageRoundTrip);

}  // namespace
