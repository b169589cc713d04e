#include "params/defaults.h"

#include <gtest/gtest.h>

#include "params/normalise.h"
#include "params/param_state.h"

namespace tz {
namespace {

using namespace field;

Image startupImage() {
    return firstStartState().image;
}

TEST(Defaults, StartupImageHoldsTheGeneralDefaultsAndClassicPreset) {
    const Image image = startupImage();
    EXPECT_EQ(image[LIMITER_RPM], 110);
    EXPECT_EQ(image[START_LIMITER_RPM], 100);
    EXPECT_EQ(image[TPS_0_MV], 70);
    EXPECT_EQ(image[TPS_100_MV], 129);
    EXPECT_EQ(image[SERVO_HYSTER], 40);
    EXPECT_EQ(image[SERVO_MV + 9], 145);
    EXPECT_EQ(image[SERVO_RPM], 12);
    EXPECT_EQ(image[CLUTCH_TIME], 20);
    EXPECT_EQ(image[CLUTCH_PAUSE], 100);
    EXPECT_EQ(image[TEST_SERVO], 50);
    EXPECT_EQ(image[advanceCell(3, 5)], 47);
    EXPECT_EQ(image[SYNC_METHOD], 0);
    EXPECT_EQ(image[CHANNEL_COUNT], 2);
    EXPECT_EQ(image[GEBER_MODE], 1);
    EXPECT_EQ(image[lobeByte(START_ADV_EDGE2, 0)], 1);
    EXPECT_EQ(image[lobeByte(MAX_ADV_PICKUP2, 1)], 1);
    // Power outputs after the threshold repair.
    const int rpm[3][3] = {{3, 3, 3}, {90, 91, 92}, {40, 125, 126}};
    const int tps[3][2] = {{0, 1}, {0, 1}, {75, 76}};
    for (int n = 0; n < 3; ++n) {
        EXPECT_EQ(image[powerOutMode(n)], n + 1);
        for (int j = 0; j < 3; ++j) EXPECT_EQ(image[powerOutRpm(n, j)], rpm[n][j]) << n << j;
        for (int j = 0; j < 2; ++j) EXPECT_EQ(image[powerOutTps(n, j)], tps[n][j]) << n << j;
    }
}

TEST(Defaults, KeepFieldsThatAreNotDefaults) {
    Image image = startupImage();
    image[INPUT1_FUNCTION] = 3;
    image[INPUT2_FUNCTION] = 4;
    image[powerOutRpm(0, 1)] = 77;
    image[powerOutMap(1, 2)] = 9;
    image[63] = 42;
    image[LIMITER_RPM] = 150;
    bool keepSpecial = false;
    ApplyDefaults(image, keepSpecial);
    EXPECT_EQ(image[INPUT1_FUNCTION], 3);
    EXPECT_EQ(image[INPUT2_FUNCTION], 4);
    EXPECT_EQ(image[powerOutRpm(0, 1)], 77);
    EXPECT_EQ(image[powerOutMap(1, 2)], 9);
    EXPECT_EQ(image[63], 42);
    EXPECT_EQ(image[LIMITER_RPM], 110);
}

TEST(Defaults, KeepSpecialFlagSkipsTheGeneralDefaultsOnce) {
    Image image = startupImage();
    image[BIKE] = kBikeSpecial;
    image[SYNC_METHOD] = 5;
    image[LOBE_COUNT] = 24;
    image[LIMITER_RPM] = 150;

    bool keepSpecial = true;
    ApplyDefaults(image, keepSpecial);
    EXPECT_FALSE(keepSpecial);
    EXPECT_EQ(image[LIMITER_RPM], 150);
    EXPECT_EQ(image[LOBE_COUNT], 24);

    ApplyDefaults(image, keepSpecial);
    EXPECT_EQ(image[LIMITER_RPM], 110);
    EXPECT_EQ(image[SYNC_METHOD], 5);
    EXPECT_EQ(image[LOBE_COUNT], 24);
}

TEST(Presets, EachMotorcycleSetsItsSynchronisation) {
    struct Case {
        int bike;
        int method, lobes, channels, geber;
        int maxLobe, startLobe;
        int maxEdge2, startPickup2Channel2;
    };
    const Case cases[] = {
        {0, 0, 1, 2, 1, 1, 1, 0, 1}, {2, 0, 1, 2, 2, 1, 1, 0, 1}, {3, 0, 1, 1, 3, 1, 1, 0, 1},
        {4, 0, 1, 2, 0, 1, 1, 0, 1}, {5, 6, 4, 2, 1, 2, 3, 1, 1}, {6, 14, 6, 1, 1, 2, 3, 1, 1},
    };
    for (const Case& c : cases) {
        Image image = startupImage();
        image[NO_LOBE_CHECK] = 1;
        image[BIKE] = static_cast<std::uint8_t>(c.bike);
        ApplyBikePreset(image);
        EXPECT_EQ(image[SYNC_METHOD], c.method) << c.bike;
        EXPECT_EQ(image[LOBE_COUNT], c.lobes) << c.bike;
        EXPECT_EQ(image[CHANNEL_COUNT], c.channels) << c.bike;
        EXPECT_EQ(image[GEBER_MODE], c.geber) << c.bike;
        EXPECT_EQ(image[lobeByte(MAX_ADV_LOBE, 0)], c.maxLobe) << c.bike;
        EXPECT_EQ(image[lobeByte(START_ADV_LOBE, 1)], c.startLobe) << c.bike;
        EXPECT_EQ(image[lobeByte(MAX_ADV_EDGE2, 0)], c.maxEdge2) << c.bike;
        EXPECT_EQ(image[lobeByte(START_ADV_PICKUP2, 1)], c.startPickup2Channel2) << c.bike;
        EXPECT_EQ(image[NO_LOBE_CHECK], 0) << c.bike;
    }
}

TEST(Presets, SpecialSettingKeepsTheUsersSynchronisationExceptHarley) {
    Image image = startupImage();
    image[BIKE] = kBikeSpecial;
    image[SYNC_METHOD] = 3;
    image[LOBE_COUNT] = 12;
    image[NO_LOBE_CHECK] = 1;
    ApplyBikePreset(image);
    EXPECT_EQ(image[LOBE_COUNT], 12);
    EXPECT_EQ(image[NO_LOBE_CHECK], 1);

    image[SYNC_METHOD] = kSyncHarley;
    ApplyBikePreset(image);
    EXPECT_EQ(image[LOBE_COUNT], 2);
    EXPECT_EQ(image[CHANNEL_COUNT], 2);
    EXPECT_EQ(image[GEBER_MODE], 0);
    EXPECT_EQ(image[PICKUP1_POLARITY], 2);
    EXPECT_EQ(image[NO_LOBE_CHECK], 0);
    EXPECT_EQ(image[lobeByte(MAX_ADV_LOBE, 1)], 2);
    EXPECT_EQ(image[lobeByte(START_ADV_EDGE2, 1)], 1);
    EXPECT_EQ(image[lobeByte(MAX_ADV_PICKUP2, 1)], 0);
}

}  // namespace
}  // namespace tz
