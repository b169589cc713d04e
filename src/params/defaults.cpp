#include "params/defaults.h"

namespace tz {

using namespace field;

const std::array<std::array<std::uint8_t, kMapColumns>, kMapRows> kDefaultAdvanceMap = {{
    {4, 13, 16, 25, 28, 32, 33, 33, 33, 33},
    {4, 16, 22, 31, 33, 35, 35, 35, 35, 35},
    {4, 24, 35, 44, 45, 45, 43, 41, 41, 41},
    {4, 19, 32, 39, 45, 47, 46, 43, 43, 43},
    {4, 12, 15, 25, 31, 33, 32, 32, 32, 31},
    {4, 12, 16, 25, 28, 30, 33, 32, 32, 32},
    {4, 12, 16, 25, 28, 30, 33, 31, 33, 31},
    {4, 12, 15, 25, 28, 30, 32, 32, 32, 32},
    {4, 12, 15, 25, 28, 30, 32, 32, 32, 32},
    {4, 12, 15, 25, 28, 30, 32, 32, 32, 32},
}};

namespace {

// Defaults in engineering units; the bytes are these divided by the field's
// scale, so the table reads like the values a tuner knows.
constexpr int kRpmAdvRpm[kAxisPoints] = {1000, 2000, 3000, 4000, 5000,
                                         6000, 7000, 8000, 9000, 10000};
constexpr int kServoRpm[kAxisPoints] = {1200, 2000,  3000,  4000,  6000,
                                        8000, 10000, 12000, 14000, 16000};
constexpr int kServoMv[kAxisPoints] = {2000, 2100, 2200, 2300, 2400, 2500, 2600, 2700, 2800, 2900};

constexpr int kRpmScale = 100;
constexpr int kServoMvScale = 20;
constexpr int kHysterScale = 5;
constexpr int kTps0Scale = 10;
constexpr int kClutchScale = 5;
constexpr int kTestServoScale = 10;

void set(Image& image, int index, int byteValue) {
    image[index] = encoding::byteOf(byteValue);
}

void writeGeneralDefaults(Image& image) {
    using encoding::encodeOffset100;
    using encoding::encodeScaled;
    set(image, BASE_ADV, 10);
    image[COR_ADV_1] = encodeOffset100(0);
    image[COR_ADV_2] = encodeOffset100(0);
    for (int c = 0; c < kChannels; ++c) {
        for (int group : {MAX_ADV_EDGE2, START_ADV_EDGE2, MAX_ADV_PICKUP2, START_ADV_PICKUP2})
            image[lobeByte(group, c)] = 0;
    }
    image[PICKUP1_POLARITY] = 0;
    image[PICKUP2_POLARITY] = 0;
    for (int flag :
         {PICKUPS_INTERCHANGE, NO_LOBE_CHECK, INTERLOCK_INPUT, SPARK_BEFORE_LOBE, SPECIAL_START})
        image[flag] = 0;
    image[START_LIMITER_RPM] = encodeScaled(10000, kRpmScale);
    image[START_LIMITER_DELAY] = 0;
    image[LIMITER_RPM] = encodeScaled(11000, kRpmScale);
    image[TPS_0_MV] = encodeScaled(700, kTps0Scale);
    image[TPS_100_MV] = encoding::encodeTps100(3790);
    image[TPS_MAPA] = 0;
    image[SERVO_ENABLE] = 1;
    image[SERVO_HYSTER] = encodeScaled(200, kHysterScale);
    image[TACHO_PULSES] = 1;
    image[TACHO_CORRECTION] = encodeOffset100(0);
    for (int i = 0; i < kAxisPoints; ++i) {
        image[RPM_ADV + i] = encodeScaled(kRpmAdvRpm[i], kRpmScale);
        image[SERVO_RPM + i] = encodeScaled(kServoRpm[i], kRpmScale);
        image[SERVO_MV + i] = encodeScaled(kServoMv[i], kServoMvScale);
    }
    for (int r = 0; r < kMapRows; ++r)
        for (int c = 0; c < kMapColumns; ++c) image[advanceCell(r, c)] = kDefaultAdvanceMap[r][c];
    image[NO_SPARK_REVS] = 1;
    image[COMPENSATION_1] = 11;
    image[COMPENSATION_2] = 11;
    image[RETARD] = 6;
    image[CLUTCH_TIME] = encodeScaled(100, kClutchScale);
    image[CLUTCH_PAUSE] = encodeScaled(500, kClutchScale);
    ApplyPowerOutputDefaults(image);
    image[TEST_RPM] = encodeScaled(5000, kRpmScale);
    image[TEST_SERVO] = encodeScaled(500, kTestServoScale);
}

struct LobePoint {
    int lobe;
    bool edge2;
    bool pickup2;
};

struct ChannelPoints {
    LobePoint maxAdvance;
    LobePoint startAdvance;
};

void setPoint(Image& image, int lobeGroup, int edgeGroup, int pickupGroup, int channel,
              LobePoint point) {
    set(image, lobeByte(lobeGroup, channel), point.lobe);
    image[lobeByte(edgeGroup, channel)] = encoding::encodeFlag(point.edge2);
    image[lobeByte(pickupGroup, channel)] = encoding::encodeFlag(point.pickup2);
}

void setSynchronisation(Image& image, int method, int lobes, int channels, int geberByte,
                        const ChannelPoints (&points)[kChannels]) {
    image[NO_LOBE_CHECK] = 0;
    set(image, SYNC_METHOD, method);
    set(image, LOBE_COUNT, lobes);
    set(image, CHANNEL_COUNT, channels);
    set(image, GEBER_MODE, geberByte);
    for (int c = 0; c < kChannels; ++c) {
        setPoint(image, MAX_ADV_LOBE, MAX_ADV_EDGE2, MAX_ADV_PICKUP2, c, points[c].maxAdvance);
        setPoint(image, START_ADV_LOBE, START_ADV_EDGE2, START_ADV_PICKUP2, c,
                 points[c].startAdvance);
    }
}

constexpr ChannelPoints kClassicPoints[kChannels] = {
    {{1, false, false}, {1, true, false}},
    {{1, false, true}, {1, true, true}},
};
constexpr ChannelPoints kHondaPoints[kChannels] = {
    {{2, true, false}, {3, true, false}},
    {{2, true, true}, {3, true, true}},
};
constexpr ChannelPoints kHarleyPoints[kChannels] = {
    {{1, false, false}, {1, true, false}},
    {{2, false, false}, {2, true, false}},
};

}  // namespace

void ApplyPowerOutputDefaults(Image& image) {
    image[powerOutMode(0)] = 1;
    image[powerOutMode(1)] = 2;
    image[powerOutMode(2)] = 3;
    image[powerOutRpm(1, 0)] = encoding::encodeScaled(9000, kRpmScale);
    image[powerOutRpm(2, 0)] = encoding::encodeScaled(4000, kRpmScale);
    image[powerOutRpm(2, 1)] = encoding::encodeScaled(12500, kRpmScale);
    image[powerOutTps(2, 0)] = 75;
}

void ApplyBikePreset(Image& image) {
    switch (image[BIKE]) {
        case 0:
            setSynchronisation(image, 0, 1, 2, 1, kClassicPoints);
            break;
        case 2:
            setSynchronisation(image, 0, 1, 2, 2, kClassicPoints);
            break;
        case 3:
            setSynchronisation(image, 0, 1, 1, 3, kClassicPoints);
            break;
        case 4:
            setSynchronisation(image, 0, 1, 2, 0, kClassicPoints);
            break;
        case 5:
            setSynchronisation(image, 6, 4, 2, 1, kHondaPoints);
            break;
        case 6:
            setSynchronisation(image, 14, 6, 1, 1, kHondaPoints);
            break;
        default:
            break;
    }
    if (image[SYNC_METHOD] == kSyncHarley) {
        setSynchronisation(image, kSyncHarley, 2, 2, 0, kHarleyPoints);
        image[PICKUP1_POLARITY] = 2;
    }
}

void ApplyDefaults(Image& image, bool& keepSpecial) {
    const bool special = image[BIKE] == kBikeSpecial;
    if (!special || !keepSpecial) writeGeneralDefaults(image);
    if (!special) ApplyBikePreset(image);
    keepSpecial = false;
}

}  // namespace tz
