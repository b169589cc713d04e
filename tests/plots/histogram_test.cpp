#include "plots/histogram.h"

#include <gtest/gtest.h>

#include "canvas/recording_canvas.h"

namespace tz::plots {
namespace {

using logs::LiveColumn;

LogSeries series(std::string_view text) {
    logs::ParsedLiveCsv parsed = logs::ParseLiveCsv(text);
    EXPECT_FALSE(parsed.error);
    return LogSeries(parsed.log);
}

// rpm 1000..9999 in bands of 1000. Each row counts until the next: 1200 rpm
// for 0.5 s, 3400 rpm for 0.3 s + 0.2 s, 9000 rpm never (the last row), the
// 2 s gap before it not at all.
const LogSeries& ride() {
    static const LogSeries s = series(
        "time_s,rpm,running\n"
        "0.000,1200,0\n"
        "0.500,3400,1\n"
        "0.800,3900,1\n"
        "1.000,1500,1\n"
        "3.000,9000,1\n");
    return s;
}

std::vector<std::int64_t> bandMs(const Histogram& h) {
    std::vector<std::int64_t> ms;
    for (const Band& b : h.bands) ms.push_back(b.ms);
    return ms;
}

TEST(Histogram, TimePerBandByHand) {
    const Histogram h = TimeHistogram(ride(), LiveColumn::Rpm, 0, 3000);
    ASSERT_EQ(h.bands.size(), 9u);
    EXPECT_EQ(h.bands.front().from, 1000);
    EXPECT_EQ(h.bands.back().to, 10000);
    EXPECT_EQ(bandMs(h), (std::vector<std::int64_t>{500, 0, 500, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(h.longestMs, 500);
}

TEST(Histogram, OnlyTheTimeInTheWindowCounts) {
    // 0.4..0.9 s: 0.1 s at 1200 rpm, 0.4 s at 3400 and 3900 rpm.
    EXPECT_EQ(bandMs(TimeHistogram(ride(), LiveColumn::Rpm, 400, 900)),
              (std::vector<std::int64_t>{100, 0, 400, 0, 0, 0, 0, 0, 0}));
    // Flags have one band per value.
    EXPECT_EQ(bandMs(TimeHistogram(ride(), LiveColumn::Running, 0, 3000)),
              (std::vector<std::int64_t>{500, 500}));
    EXPECT_TRUE(TimeHistogram(ride(), LiveColumn::Tps, 0, 3000).bands.empty());
}

TEST(Histogram, BarsGrowWithTheirTime) {
    graphs::RecordingCanvas canvas(300, 150);
    drawHistogram(canvas, TimeHistogram(ride(), LiveColumn::Rpm, 0, 3000), "rpm",
                  graphs::colour::kWhite);
    std::vector<int> heights;
    bool inGroup = false;
    for (const graphs::DrawCall& call : canvas.calls()) {
        if (call.op == graphs::DrawOp::BeginGroup) inGroup = true;
        if (inGroup && call.op == graphs::DrawOp::FillRect)
            heights.push_back(call.rect.bottom - call.rect.top);
    }
    ASSERT_EQ(heights.size(), 2u);
    EXPECT_EQ(heights[0], heights[1]);
    EXPECT_GT(heights[0], 50);
}

}  // namespace
}  // namespace tz::plots
