#include "params/normalise.h"

#include <gtest/gtest.h>

#include <vector>

#include "params/defaults.h"
#include "params/param_state.h"

namespace tz {
namespace {

using namespace field;

std::vector<int> axis(const Image& image, int start) {
    return std::vector<int>(image.begin() + start, image.begin() + start + kAxisPoints);
}

// An image whose advance axis is 10, 20, ..., 100 and whose memory has seen
// it once, as after start-up.
class BreakpointRule : public ::testing::Test {
  protected:
    void SetUp() override {
        bool keepSpecial = false;
        ApplyDefaults(image, keepSpecial);
        NormaliseImage(image, memory, outside);
        ASSERT_EQ(axis(image, RPM_ADV),
                  (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
    }

    std::vector<int> edit(int index, int value) {
        image[RPM_ADV + index] = static_cast<std::uint8_t>(value);
        NormaliseImage(image, memory, outside);
        return axis(image, RPM_ADV);
    }

    Image image{};
    BreakpointMemory memory;
    OutsideSettings outside;
};

TEST_F(BreakpointRule, PushedNeighboursReturnWhenTheEditIsTakenBack) {
    EXPECT_EQ(edit(2, 95), (std::vector<int>{10, 20, 95, 96, 97, 98, 99, 100, 101, 102}));
    for (int i = 3; i < 10; ++i) {
        EXPECT_TRUE(memory.pushed(RPM_ADV + i)) << i;
        EXPECT_EQ(memory.remembered(RPM_ADV + i), 10 * (i + 1)) << i;
    }
    EXPECT_EQ(edit(2, 30), (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
    for (int i = 0; i < 10; ++i) EXPECT_FALSE(memory.pushed(RPM_ADV + i)) << i;
}

TEST_F(BreakpointRule, LeftwardChainUnwindsOverSeveralPasses) {
    EXPECT_EQ(edit(5, 12), (std::vector<int>{7, 8, 9, 10, 11, 12, 70, 80, 90, 100}));
    EXPECT_EQ(edit(5, 60), (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
}

TEST_F(BreakpointRule, EditingAnotherBreakpointForgetsTheRememberedValues) {
    edit(2, 95);
    EXPECT_EQ(edit(7, 105), (std::vector<int>{10, 20, 95, 96, 97, 98, 99, 105, 106, 107}));
    EXPECT_EQ(edit(2, 30), (std::vector<int>{10, 20, 30, 96, 97, 98, 99, 105, 106, 107}));
}

TEST_F(BreakpointRule, EndsOfTheAxisAreBounded) {
    EXPECT_EQ(edit(0, 1)[0], 3);
    EXPECT_EQ(edit(9, 255)[9], 199);
    EXPECT_EQ(edit(9, 255)[9], 199);
}

TEST_F(BreakpointRule, TwoEditsWithoutNormalisationCountAsManyAndPushNothing) {
    image[RPM_ADV + 2] = 95;
    image[RPM_ADV + 6] = 15;
    NormaliseImage(image, memory, outside);
    // No push: only the ascending clamp repairs the axis.
    EXPECT_EQ(axis(image, RPM_ADV), (std::vector<int>{10, 20, 95, 96, 97, 98, 99, 100, 101, 102}));
    EXPECT_EQ(memory.lastSeen(RPM_ADV - 1), BreakpointMemory::kManyChanged);
    for (int i = 0; i < 10; ++i) EXPECT_FALSE(memory.pushed(RPM_ADV + i));
}

TEST_F(BreakpointRule, ServoAxisHasItsOwnMemory) {
    image[SERVO_RPM + 1] = 150;
    NormaliseImage(image, memory, outside);
    EXPECT_EQ(axis(image, SERVO_RPM),
              (std::vector<int>{12, 150, 151, 152, 153, 154, 155, 156, 157, 160}));
    image[SERVO_RPM + 1] = 20;
    NormaliseImage(image, memory, outside);
    EXPECT_EQ(axis(image, SERVO_RPM),
              (std::vector<int>{12, 20, 30, 40, 60, 80, 100, 120, 140, 160}));
    EXPECT_EQ(axis(image, RPM_ADV), (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
}

TEST(Normalise, FirstCallOnlyClampsTheAxes) {
    Image image{};
    BreakpointMemory memory;
    OutsideSettings outside;
    for (int i = 0; i < 10; ++i) image[RPM_ADV + i] = static_cast<std::uint8_t>(50 - i);
    NormaliseImage(image, memory, outside);
    EXPECT_EQ(axis(image, RPM_ADV), (std::vector<int>{50, 51, 52, 53, 54, 55, 56, 57, 58, 59}));
    for (int i = 0; i < 10; ++i) EXPECT_FALSE(memory.pushed(RPM_ADV + i));
}

struct FieldCase {
    const char* name;
    std::vector<std::pair<int, int>> before;
    std::vector<std::pair<int, int>> expected;
};

void PrintTo(const FieldCase& c, std::ostream* os) {
    *os << c.name;
}

class FieldRules : public ::testing::TestWithParam<FieldCase> {};

TEST_P(FieldRules, RepairsTheField) {
    ParamState state = firstStartState();
    Image& image = state.image;
    for (auto [index, value] : GetParam().before) image[index] = static_cast<std::uint8_t>(value);
    state.normalise();
    for (auto [index, value] : GetParam().expected)
        EXPECT_EQ(image[index], value) << "byte " << index;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FieldRules,
    ::testing::Values(
        FieldCase{"StartLimiterAboveLimiter",
                  {{LIMITER_RPM, 110}, {START_LIMITER_RPM, 150}},
                  {{START_LIMITER_RPM, 110}}},
        FieldCase{
            "LimiterMinimum", {{LIMITER_RPM, 5}, {START_LIMITER_RPM, 5}}, {{LIMITER_RPM, 10}}},
        FieldCase{"Method0ForcesOneLobe",
                  {{SYNC_METHOD, 0}, {LOBE_COUNT, 6}, {MAX_ADV_LOBE, 4}},
                  {{LOBE_COUNT, 1}, {MAX_ADV_LOBE, 1}}},
        FieldCase{"LobeNumbersLimitedToCount",
                  {{SYNC_METHOD, 3}, {LOBE_COUNT, 4}, {MAX_ADV_LOBE + 1, 9}, {START_ADV_LOBE, 5}},
                  {{MAX_ADV_LOBE + 1, 4}, {START_ADV_LOBE, 4}}},
        FieldCase{"Method3ClearsPickup2Flags",
                  {{SYNC_METHOD, 3},
                   {MAX_ADV_PICKUP2, 1},
                   {MAX_ADV_PICKUP2 + 1, 1},
                   {START_ADV_PICKUP2, 1},
                   {START_ADV_PICKUP2 + 1, 1}},
                  {{MAX_ADV_PICKUP2, 0},
                   {MAX_ADV_PICKUP2 + 1, 0},
                   {START_ADV_PICKUP2, 0},
                   {START_ADV_PICKUP2 + 1, 0}}},
        FieldCase{"Method10KeepsPickup2Flags",
                  {{SYNC_METHOD, 10}, {MAX_ADV_PICKUP2, 1}, {START_ADV_PICKUP2 + 1, 1}},
                  {{MAX_ADV_PICKUP2, 1}, {START_ADV_PICKUP2 + 1, 1}}},
        FieldCase{"ChannelCountAtMostTwo", {{CHANNEL_COUNT, 9}}, {{CHANNEL_COUNT, 2}}},
        FieldCase{"ZeroCountsAreLeftAlone",
                  {{SYNC_METHOD, 3}, {LOBE_COUNT, 0}, {CHANNEL_COUNT, 0}},
                  {{LOBE_COUNT, 0}, {CHANNEL_COUNT, 0}, {MAX_ADV_LOBE, 0}}},
        FieldCase{"Tps100Limit",
                  {{TPS_100_MV, 251}, {TPS_0_MV, 251}},
                  {{TPS_100_MV, 250}, {TPS_0_MV, 250}}},
        FieldCase{"PowerOutZeroThresholds",
                  {{powerOutRpm(0, 0), 0},
                   {powerOutRpm(0, 1), 0},
                   {powerOutRpm(0, 2), 0},
                   {powerOutTps(0, 0), 0},
                   {powerOutTps(0, 1), 0}},
                  {{powerOutRpm(0, 0), 3},
                   {powerOutRpm(0, 1), 3},
                   {powerOutRpm(0, 2), 3},
                   {powerOutTps(0, 0), 0},
                   {powerOutTps(0, 1), 1}}},
        FieldCase{"PowerOutEqualThresholdsAscend",
                  {{powerOutRpm(1, 0), 3}, {powerOutRpm(1, 1), 3}, {powerOutRpm(1, 2), 3}},
                  {{powerOutRpm(1, 0), 3}, {powerOutRpm(1, 1), 4}, {powerOutRpm(1, 2), 5}}},
        FieldCase{"PowerOutModeAboveFourKept", {{powerOutMode(2), 9}}, {{powerOutMode(2), 9}}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(Normalise, OutsideSettingsAreBroughtIntoRange) {
    struct Case {
        OutsideSettings in;
        OutsideSettings out;
    };
    const Case cases[] = {
        {{3, 30, 29}, {3, 30, 29}},
        {{4, 31, 30}, {0, 0, 0}},
        {{7, 255, 255}, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        Image image{};
        BreakpointMemory memory;
        OutsideSettings s = c.in;
        NormaliseImage(image, memory, s);
        EXPECT_EQ(s.language, c.out.language);
        EXPECT_EQ(s.portIndex, c.out.portIndex);
        EXPECT_EQ(s.searchIndex, c.out.searchIndex);
    }
}

}  // namespace
}  // namespace tz
