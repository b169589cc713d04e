#include "link/monitor.h"

#include <gtest/gtest.h>

#include "link_fixture.h"

namespace tz::link {
namespace {

using testing::LinkFixture;
using testing::MonitorFrame;

TEST(DecodeMonitorFrame, ValuesFlagsAndVersion) {
    const auto v = DecodeMonitorFrame(MonitorFrame()
                                          .set16(1, 6000)
                                          .set16(3, 512)
                                          .set16(5, 13800)
                                          .set(41, 45)
                                          .set(50, 130)
                                          .set(51, 90)
                                          .set16(54, 30)
                                          .set(49, 1)
                                          .set(71, 0x02)
                                          .set16(27, 77)
                                          .set(99, 1)
                                          .set(100, 85)
                                          .frame());
    ASSERT_TRUE(v);
    EXPECT_EQ(v->rpm, 6000);
    EXPECT_EQ(v->throttleMv, 2502);
    EXPECT_EQ(v->supplyMv, 13800);
    EXPECT_EQ(v->throttlePercent, 45);
    EXPECT_EQ(v->advance[0], 30);
    EXPECT_EQ(v->advance[1], -10);
    EXPECT_EQ(v->maxAdvance[0], 30);
    EXPECT_EQ(v->test[7], 77);
    EXPECT_TRUE(v->dataError);
    // Pick-up 2 with its polarity error does not count as running.
    EXPECT_FALSE(v->running);
    EXPECT_EQ(v->versionState, VersionState::Mismatch);
    EXPECT_EQ(DecodeMonitorFrame(MonitorFrame().frame())->versionState, VersionState::Match);
}

TEST(DecodeMonitorFrame, AnInvalidFrameGivesNothing) {
    Frame f = MonitorFrame().frame();
    f[50] ^= 0x01;
    EXPECT_FALSE(DecodeMonitorFrame(f));
}

using Monitor = LinkFixture;

TEST_F(Monitor, TheRunningFlagRefreshesTheLayoutOnlyWhenItChanges) {
    cycle.OpenPort();
    const auto feed = [this](const MonitorFrame& f) {
        unit().push(f.frame());
        tick();
    };
    feed(MonitorFrame());
    EXPECT_EQ(host.layoutRefreshes, 0);
    feed(MonitorFrame().set(48, 1));
    feed(MonitorFrame().set(48, 1).set(49, 1));
    EXPECT_EQ(host.layoutRefreshes, 1);
    EXPECT_TRUE(cycle.live().running);
    feed(MonitorFrame().set(49, 1).set(71, 0x02));
    EXPECT_FALSE(cycle.live().running);
    EXPECT_EQ(host.layoutRefreshes, 2);
}

}  // namespace
}  // namespace tz::link
