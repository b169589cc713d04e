#include "logs/log_player.h"

#include <gtest/gtest.h>

namespace tz::logs {
namespace {

// Rows at start, +100, +200 and +300 ms with 1000, 2000, 3000, 4000 rpm.
LiveLog fourRows(std::int64_t startMs = 0) {
    LiveLog log;
    for (int i = 0; i < 4; ++i) {
        LiveRow row;
        row.timeMs = startMs + 100 * i;
        row.values.rpm = static_cast<std::uint16_t>(1000 * (i + 1));
        log.rows.push_back(row);
    }
    return log;
}

TEST(LogPlayer, FollowsElapsedTimeAtEachSpeed) {
    struct Case {
        ReplaySpeed speed;
        bool loop;
        std::vector<std::int64_t> steps;  // elapsed ms per call
        std::int64_t position;
        std::size_t row;
        bool playing;
    };
    using S = ReplaySpeed;
    const Case cases[] = {
        {S::Normal, false, {55, 55}, 110, 1, true},
        {S::Normal, false, {99}, 99, 0, true},
        {S::Normal, false, {100}, 100, 1, true},
        {S::Quarter, false, {55, 55, 55, 55, 55, 55, 55, 55}, 110, 1, true},
        {S::Quarter, false, {1, 1, 1}, 0, 0, true},
        {S::Quarter, false, {1, 1, 1, 1}, 1, 0, true},
        {S::Half, false, {250}, 125, 1, true},
        {S::Double, false, {55, 55}, 220, 2, true},
        {S::Quadruple, false, {55}, 220, 2, true},
        {S::Octuple, false, {55}, 300, 3, false},  // stops at the end
        {S::Normal, false, {1000}, 300, 3, false},
        // Looping: one pass is 300 ms plus the 100 ms average row interval.
        {S::Normal, true, {350}, 350, 3, true},
        {S::Normal, true, {450}, 50, 0, true},
        {S::Octuple, true, {55}, 40, 0, true},
        {S::Normal, true, {399, 1, 100}, 100, 1, true},
        {S::Normal, false, {-50, 20}, 20, 0, true},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        LogPlayer player(fourRows());
        player.setSpeed(c.speed);
        player.setLooping(c.loop);
        player.play();
        for (std::int64_t step : c.steps) player.advance(step);
        EXPECT_EQ(player.positionMs(), c.position) << "case " << i;
        EXPECT_EQ(player.currentIndex(), c.row) << "case " << i;
        EXPECT_EQ(player.current()->values.rpm, 1000 * (c.row + 1)) << "case " << i;
        EXPECT_EQ(player.playing(), c.playing) << "case " << i;
        EXPECT_EQ(player.atEnd(), !c.loop && c.position == 300) << "case " << i;
    }
}

TEST(LogPlayer, StartsPausedAndHoldsStillWhilePaused) {
    LogPlayer player(fourRows());
    EXPECT_FALSE(player.playing());
    player.advance(150);
    EXPECT_EQ(player.positionMs(), 0);
    player.play();
    player.advance(150);
    player.pause();
    player.advance(150);
    EXPECT_EQ(player.positionMs(), 150);
    EXPECT_EQ(player.currentIndex(), 1u);
}

TEST(LogPlayer, SeekStaysWithinTheLog) {
    LogPlayer player(fourRows());
    player.seek(250);
    EXPECT_EQ(player.currentIndex(), 2u);
    player.seek(5000);
    EXPECT_EQ(player.positionMs(), 300);
    EXPECT_TRUE(player.atEnd());
    player.seek(-5);
    EXPECT_EQ(player.positionMs(), 0);
    EXPECT_EQ(player.currentIndex(), 0u);
}

TEST(LogPlayer, PlayingAgainAfterTheEndStartsOver) {
    LogPlayer player(fourRows());
    player.play();
    player.advance(400);
    ASSERT_TRUE(player.atEnd());
    ASSERT_FALSE(player.playing());
    player.play();
    EXPECT_EQ(player.positionMs(), 0);
    EXPECT_EQ(player.currentIndex(), 0u);
    EXPECT_TRUE(player.playing());
}

TEST(LogPlayer, PositionsCountFromTheFirstRow) {
    LogPlayer player(fourRows(60'000));
    EXPECT_EQ(player.durationMs(), 300);
    player.play();
    player.advance(120);
    EXPECT_EQ(player.currentIndex(), 1u);
}

TEST(LogPlayer, LogsWithoutRowsOrWithOneRow) {
    LogPlayer empty(LiveLog{});
    empty.play();
    empty.advance(100);
    EXPECT_EQ(empty.current(), nullptr);
    EXPECT_TRUE(empty.atEnd());

    LiveLog log = fourRows();
    log.rows.resize(1);
    LogPlayer one(std::move(log));
    one.setLooping(true);
    one.play();
    one.advance(500);
    EXPECT_EQ(one.current()->values.rpm, 1000);
    EXPECT_EQ(one.positionMs(), 0);
}

TEST(RowIndexAt, LastRowNotAfterThePositionAndWrappingWhenLooping) {
    LiveLog log = fourRows();
    log.rows[2].timeMs = 100;  // two rows at the same time: the later one counts
    const std::pair<std::int64_t, std::size_t> once[] = {{-10, 0}, {0, 0},   {100, 2},
                                                         {299, 2}, {300, 3}, {9999, 3}};
    for (const auto& [ms, row] : once) EXPECT_EQ(RowIndexAt(log, ms, false), row) << ms;
    EXPECT_EQ(LoopLengthMs(log), 400);
    EXPECT_EQ(RowIndexAt(log, 399, true), 3u);
    EXPECT_EQ(RowIndexAt(log, 400, true), 0u);
    EXPECT_EQ(RowIndexAt(log, 1100, true), 3u);
}

}  // namespace
}  // namespace tz::logs
