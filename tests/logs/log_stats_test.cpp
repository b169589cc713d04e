#include "logs/log_stats.h"

#include <gtest/gtest.h>

namespace tz::logs {
namespace {

ParsedLiveCsv parse(std::string_view text) {
    ParsedLiveCsv parsed = ParseLiveCsv(text);
    EXPECT_FALSE(parsed.error);
    return parsed;
}

// Four rows worked out by hand: rpm 1000, 3000, 2500, 6500 (min 1000, max
// 6500, mean 13000 / 4 = 3250); advance -3, 5, 10, 21 (mean 33 / 4 = 8.25).
TEST(LogStats, DurationRowsAndEachColumnsExtremesAndMean) {
    const LiveLog log = parse(
                            "time_s,rpm,advance1,running\n"
                            "2.500,1000,-3,0\n"
                            "2.800,3000,5,1\n"
                            "3.100,2500,10,1\n"
                            "14.055,6500,21,1\n")
                            .log;
    const LogStats stats = ComputeLogStats(log);
    EXPECT_EQ(stats.durationMs, 11555);
    EXPECT_EQ(stats.rows, 4u);
    const auto at = [&](LiveColumn c) { return stats.columns[static_cast<std::size_t>(c)]; };
    ASSERT_TRUE(at(LiveColumn::Rpm));
    EXPECT_EQ(at(LiveColumn::Rpm)->min, 1000);
    EXPECT_EQ(at(LiveColumn::Rpm)->max, 6500);
    EXPECT_DOUBLE_EQ(at(LiveColumn::Rpm)->mean, 3250);
    EXPECT_EQ(at(LiveColumn::Advance1)->min, -3);
    EXPECT_EQ(at(LiveColumn::Advance1)->max, 21);
    EXPECT_DOUBLE_EQ(at(LiveColumn::Advance1)->mean, 8.25);
    EXPECT_DOUBLE_EQ(at(LiveColumn::Running)->mean, 0.75);
    // Columns the log lacks have no figures.
    EXPECT_FALSE(at(LiveColumn::Tps));
}

TEST(LogStats, LogWithoutRowsHasNoFigures) {
    const LogStats stats = ComputeLogStats(parse("time_s,rpm\n").log);
    EXPECT_EQ(stats.rows, 0u);
    EXPECT_EQ(stats.durationMs, 0);
    EXPECT_FALSE(stats.columns[0]);
}

}  // namespace
}  // namespace tz::logs
