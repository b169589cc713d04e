#include "link/frame.h"

#include <gtest/gtest.h>

#include "link_fixture.h"

namespace tz::link {
namespace {

using testing::LinkFixture;
using testing::MonitorFrame;

bool payloadIsZero(const Frame& f) {
    return std::all_of(f.begin() + 1, f.begin() + 101, [](std::uint8_t b) { return b == 0; });
}

TEST(Frames, CheckBytesOfTheFixedFrames) {
    const Image image = firstStartState().image;
    struct Case {
        Frame frame;
        std::uint8_t kind;
        std::uint8_t check;
    };
    const Case cases[] = {
        {BuildPollFrame({0, 0, 0}), 0x30, 0xCF},
        {BuildPollFrame({0, 0, 0x02}), 0x30, 0xCD},
        {BuildPageFrame(0x40, image, true), 0x40, 0xBF},
        {BuildPageFrame(0x00, image, false), 0x00, 0xFF},
        {BuildPageFrame(0x41, image, true), 0x41, 0xBE},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.frame[0], c.kind);
        EXPECT_EQ(c.frame[101], c.check) << int{c.kind};
        EXPECT_TRUE(IsValidFrame(c.frame));
    }
    EXPECT_TRUE(payloadIsZero(BuildPageFrame(0x40, image, true)));
    EXPECT_TRUE(payloadIsZero(BuildPageFrame(0x43, image, true)));
}

TEST(Frames, PageFramesCarryTheImagePage) {
    Image image{};
    for (int i = 0; i < kImageSize; ++i) image[i] = static_cast<std::uint8_t>(i * 7);
    for (const std::uint8_t pageByte : std::to_array<std::uint8_t>({1, 2, 3, 0x41, 0x42, 0x43})) {
        const Frame f = BuildPageFrame(pageByte, image, false);
        const int p = PageNumber(pageByte);
        for (int i = 1; i <= 100; ++i) ASSERT_EQ(f[i], image[100 * (p - 1) + i - 1]);
        EXPECT_TRUE(IsValidFrame(f));
    }
    const Frame poll = BuildPollFrame({0x01, 0x10, 0x02});
    EXPECT_EQ(poll[21], 0x01);
    EXPECT_EQ(poll[22], 0x10);
    EXPECT_EQ(poll[23], 0x02);
}

TEST(Frames, EverySingleBitChangeMakesAFrameInvalid) {
    const Frame valid = MonitorFrame().set16(1, 4321).frame();
    ASSERT_TRUE(IsValidFrame(valid));
    for (int byte = 0; byte < kFrameSize; ++byte) {
        for (int bit = 0; bit < 8; ++bit) {
            Frame f = valid;
            f[byte] ^= static_cast<std::uint8_t>(1 << bit);
            ASSERT_FALSE(IsValidFrame(f)) << byte << ":" << bit;
        }
    }
}

using Reception = LinkFixture;

TEST_F(Reception, APartialFrameWaitsForItsLastByte) {
    cycle.OpenPort();
    const Frame f = MonitorFrame().set16(1, 1234).frame();
    unit().push(std::span(f).first(101));
    tick();
    EXPECT_EQ(host.monitorFrames, 0);
    EXPECT_EQ(unit().incoming.size(), 101u);
    unit().push(std::span(f).last(1));
    tick();
    EXPECT_EQ(host.monitorFrames, 1);
    EXPECT_EQ(cycle.live().rpm, 1234);
}

TEST_F(Reception, OnlyTheFirstFrameOfAReadIsDecoded) {
    cycle.OpenPort();
    unit().push(MonitorFrame().set16(1, 1000).frame());
    unit().push(MonitorFrame().set16(1, 2000).frame());
    tick();
    EXPECT_EQ(host.monitorFrames, 1);
    EXPECT_EQ(cycle.live().rpm, 1000);
    EXPECT_TRUE(unit().incoming.empty());
    tick();
    EXPECT_EQ(host.monitorFrames, 1);
}

TEST_F(Reception, AFloodBeyondTheReceiveBufferIsDroppedWhole) {
    cycle.OpenPort();
    unit().push(MonitorFrame().set16(1, 3000).frame());
    unit().push(std::vector<std::uint8_t>(3 * kReceiveBufferSize, 0x55));
    tick();
    EXPECT_EQ(cycle.live().rpm, 3000);
    EXPECT_TRUE(unit().incoming.empty());
}

TEST_F(Reception, AnInvalidFrameIsIgnoredAndTheWatchdogKeepsCounting) {
    cycle.OpenPort();
    Frame f = MonitorFrame().set16(1, 5000).frame();
    f[101] ^= 1;
    unit().push(f);
    tick();
    EXPECT_EQ(host.monitorFrames, 0);
    EXPECT_FALSE(cycle.connected());
}

}  // namespace
}  // namespace tz::link
