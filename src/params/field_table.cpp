#include "params/field_table.h"

#include <array>

namespace tz {

using namespace field;

namespace {

std::vector<FieldSpec> makeValueFields() {
    using E = FieldEncoding;
    std::vector<FieldSpec> f = {
        {LOBE_COUNT, E::Plain, 1, 1, 58},
        {CHANNEL_COUNT, E::Plain, 1, 1, 2},
        {BASE_ADV, E::Plain, 1, 0, 40},
        {NO_SPARK_REVS, E::Plain, 1, 0, 40},
        {TACHO_PULSES, E::Plain, 1, 0, 6},
        {TACHO_CORRECTION, E::Offset100, 1, -60, 60},
        {START_LIMITER_RPM, E::Scaled, 100, 999, 25000},
        {START_LIMITER_DELAY, E::Scaled, 100, 0, 5000},
        {LIMITER_RPM, E::Scaled, 100, 999, 25000},
        {SERVO_HYSTER, E::Scaled, 5, 0, 1275},
        {COR_ADV_1, E::Offset100, 1, -20, 20},
        {COR_ADV_2, E::Offset100, 1, -20, 20},
        {TPS_0_MV, E::Scaled, 10, 250, 2500},
        {TPS_100_MV, E::Tps100, 1, 2500, 4750},
        {COMPENSATION_1, E::Plain, 1, 0, 255},
        {COMPENSATION_2, E::Plain, 1, 0, 255},
        {RETARD, E::Plain, 1, 0, 25},
        {CLUTCH_TIME, E::Scaled, 5, 0, 1250},
        {CLUTCH_PAUSE, E::Scaled, 5, 0, 1250},
    };
    for (int c = 0; c < kChannels; ++c) {
        f.push_back({lobeByte(MAX_ADV_LOBE, c), E::Plain, 1, 1, 58});
        f.push_back({lobeByte(START_ADV_LOBE, c), E::Plain, 1, 1, 58});
    }
    for (int k = 0; k < kAxisPoints; ++k) {
        f.push_back({RPM_ADV + k, E::Scaled, 100, k == 0 ? 199 : 300, 20100});
        f.push_back({SERVO_RPM + k, E::Scaled, 100, k < 2 ? 200 : 300, 20100});
        f.push_back({SERVO_MV + k, E::Scaled, 20, 20, 5000});
    }
    for (int k = 0; k < kMapRows * kMapColumns; ++k) f.push_back({ADVANCE + k, E::Plain, 1, 0, 60});
    for (int n = 0; n < kPowerOutputs; ++n) {
        for (int j = 0; j < 3; ++j)
            f.push_back({powerOutRpm(n, j), E::Scaled, 100, 300, 25000 + 100 * j});
        for (int j = 0; j < 2; ++j) f.push_back({powerOutTps(n, j), E::Plain, 1, 0, 101 + j});
    }
    f.push_back({TEST_RPM, E::Scaled, 100, 200, 25000});
    f.push_back({TEST_SERVO, E::Scaled, 10, 10, 2500});
    return f;
}

std::vector<int> makeFlagFields() {
    std::vector<int> f = {PICKUPS_INTERCHANGE, NO_LOBE_CHECK, SPECIAL_START, SERVO_ENABLE,
                          TPS_MAPA};
    for (int c = 0; c < kChannels; ++c)
        for (int flag : {MAX_ADV_EDGE2, START_ADV_EDGE2, MAX_ADV_PICKUP2, START_ADV_PICKUP2})
            f.push_back(lobeByte(flag, c));
    return f;
}

std::vector<ChoiceList> makeChoiceLists() {
    std::vector<ChoiceList> c = {
        {BIKE, static_cast<int>(encoding::kBikeCodeOfItem.size())},
        {SYNC_METHOD, 15},
        {GEBER_MODE, 4},
        {INPUT1_FUNCTION, 5},
        {INPUT2_FUNCTION, 5},
        {PICKUP1_POLARITY, 3},
        {PICKUP2_POLARITY, 3},
    };
    for (int n = 0; n < kPowerOutputs; ++n) c.push_back({powerOutMode(n), 5});
    return c;
}

}  // namespace

const std::vector<ChoiceList>& choiceLists() {
    static const std::vector<ChoiceList> lists = makeChoiceLists();
    return lists;
}

int polarityItems(std::uint8_t syncMethod) {
    return syncMethod == kSyncTwoPolarities ? 2 : 3;
}

const std::vector<FieldSpec>& valueFields() {
    static const std::vector<FieldSpec> fields = makeValueFields();
    return fields;
}

const FieldSpec* valueField(int byte) {
    static const std::array<int, kImageSize> position = [] {
        std::array<int, kImageSize> p{};
        p.fill(-1);
        const std::vector<FieldSpec>& fields = valueFields();
        for (std::size_t i = 0; i < fields.size(); ++i)
            p[static_cast<std::size_t>(fields[i].byte)] = static_cast<int>(i);
        return p;
    }();
    if (byte < 0 || byte >= kImageSize) return nullptr;
    const int at = position[static_cast<std::size_t>(byte)];
    return at < 0 ? nullptr : &valueFields()[static_cast<std::size_t>(at)];
}

const std::vector<int>& flagFields() {
    static const std::vector<int> fields = makeFlagFields();
    return fields;
}

std::uint8_t encodeField(const FieldSpec& field, int value) {
    switch (field.encoding) {
        case FieldEncoding::Plain:
            return encoding::byteOf(value);
        case FieldEncoding::Scaled:
            return encoding::encodeScaled(value, field.scale);
        case FieldEncoding::Offset100:
            return encoding::encodeOffset100(value);
        case FieldEncoding::Tps100:
            return encoding::encodeTps100(value);
    }
    return 0;
}

int decodeField(const FieldSpec& field, std::uint8_t byte) {
    switch (field.encoding) {
        case FieldEncoding::Plain:
            return byte;
        case FieldEncoding::Scaled:
            return encoding::decodeScaled(byte, field.scale);
        case FieldEncoding::Offset100:
            return encoding::decodeOffset100(byte);
        case FieldEncoding::Tps100:
            return encoding::decodeTps100(byte);
    }
    return 0;
}

}  // namespace tz
