#include "link/test_requests.h"

#include <gtest/gtest.h>

#include "link_fixture.h"

namespace tz::link {
namespace {

using testing::LinkFixture;

TEST(TestRequests, EveryButtonSetsItsBitUntilTaken) {
    struct Case {
        TestButton button;
        std::array<std::uint8_t, 3> bytes;
    };
    const Case cases[] = {
        {TestButton::Ignition1, {0x01, 0, 0}}, {TestButton::Ignition2, {0x02, 0, 0}},
        {TestButton::PowerOut1, {0, 0x01, 0}}, {TestButton::PowerOut2, {0, 0x02, 0}},
        {TestButton::PowerOut3, {0, 0x04, 0}}, {TestButton::Rpm, {0, 0x10, 0}},
        {TestButton::ServoPlus, {0, 0, 0x01}}, {TestButton::ServoMinus, {0, 0, 0x02}},
    };
    for (const Case& c : cases) {
        TestRequests r;
        r.press(c.button);
        r.press(c.button);
        EXPECT_EQ(r.take(), c.bytes) << static_cast<int>(c.button);
        EXPECT_EQ(r.take(), (std::array<std::uint8_t, 3>{}));
    }
}

class TestCommands : public LinkFixture {
  protected:
    void SetUp() override {
        attachUnit();
        cycle.OpenPort();
    }
    // The test request bytes of the next poll frame the link sends.
    std::array<std::uint8_t, 3> nextPoll() {
        const std::size_t before = unit().written.size();
        for (int i = 0; i < 60; ++i) {
            tick();
            for (std::size_t k = before; k < unit().written.size(); ++k) {
                const Frame& f = unit().written[k];
                if (f[0] == kPollKind) return {f[21], f[22], f[23]};
            }
        }
        ADD_FAILURE() << "no poll";
        return {};
    }
};

TEST_F(TestCommands, PressesBetweenTwoPollsTravelTogetherOnce) {
    nextPoll();
    cycle.PressTestButton(TestButton::Ignition1);
    cycle.PressTestButton(TestButton::Rpm);
    EXPECT_EQ(nextPoll(), (std::array<std::uint8_t, 3>{0x01, 0x10, 0}));
    EXPECT_EQ(nextPoll(), (std::array<std::uint8_t, 3>{}));
}

TEST_F(TestCommands, APressDuringAProgrammingRunWaitsForTheFirstPollAfterIt) {
    cycle.Program();
    tick(5);
    cycle.PressTestButton(TestButton::ServoMinus);
    ASSERT_TRUE(tickUntilIdle());
    EXPECT_EQ(nextPoll(), (std::array<std::uint8_t, 3>{0, 0, 0x02}));
}

TEST_F(TestCommands, TheUnitsReactionShowsInLaterMonitorFrames) {
    nextPoll();
    cycle.PressTestButton(TestButton::PowerOut3);
    nextPoll();
    tick();
    EXPECT_TRUE(cycle.live().powerOut[2]);
    EXPECT_FALSE(cycle.live().powerOut[0]);
}

}  // namespace
}  // namespace tz::link
