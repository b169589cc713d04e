#include "presenter/field_bindings.h"

#include "params/image.h"

namespace tz {

using namespace field;

namespace {

std::string numbered(const char* prefix, int n) {
    return prefix + std::to_string(n);
}

std::vector<UpDownBinding> makeUpDownBindings() {
    using E = FieldEncoding;
    std::vector<UpDownBinding> b = {
        {LOBE_COUNT, "UpDownPocPalcu"},
        {CHANNEL_COUNT, "UpDownPocKanalu"},
        {BASE_ADV, "UpDownBaseAdv"},
        {NO_SPARK_REVS, "UpDownPocSynchro"},
        {TACHO_PULSES, "UpDownRpmPulsu"},
        {TACHO_CORRECTION, "UpDownRpmKorekce", E::Offset100},
        {START_LIMITER_RPM, "UpDownOmez1", E::Scaled, 100},
        {START_LIMITER_DELAY, "UpDownStartLimiterPause", E::Scaled, 100},
        {LIMITER_RPM, "UpDownOmez2", E::Scaled, 100},
        {SERVO_HYSTER, "UpDownPrivHyster", E::Scaled, 5},
        {COR_ADV_1, "UpDownKorekceAdv1", E::Offset100},
        {COR_ADV_2, "UpDownKorekceAdv2", E::Offset100},
        {TPS_0_MV, "UpDownTps0", E::Scaled, 10},
        {TPS_100_MV, "UpDownTps100", E::Tps100},
        {COMPENSATION_1, "UpDownKompenz1"},
        {COMPENSATION_2, "UpDownKompenz2"},
        {RETARD, "UpDownRetard"},
        {CLUTCH_TIME, "UpDownClutchTime", E::Scaled, 5},
        {CLUTCH_PAUSE, "UpDownClutchPause", E::Scaled, 5},
    };
    for (int c = 0; c < kChannels; ++c) {
        const std::string channel = std::to_string(c + 1);
        b.push_back({lobeByte(MAX_ADV_LOBE, c), "UpDownPalec" + channel + "Zac"});
        b.push_back({lobeByte(START_ADV_LOBE, c), "UpDownPalec" + channel + "End"});
    }
    for (int i = 0; i < kAxisPoints; ++i) {
        b.push_back({RPM_ADV + i, numbered("UpDownRpmAdv", i + 1), E::Scaled, 100});
        b.push_back({SERVO_RPM + i, numbered("UpDownRpmPriv", i + 1), E::Scaled, 100});
        b.push_back({SERVO_MV + i, numbered("UpDownNapPriv", i + 1), E::Scaled, 20});
    }
    for (int k = 0; k < kMapRows * kMapColumns; ++k)
        b.push_back({ADVANCE + k, numbered("UpDown", 50 + k)});
    for (int n = 0; n < kPowerOutputs; ++n) {
        for (int j = 0; j < 3; ++j)
            b.push_back({powerOutRpm(n, j), powerOutRpmUpDownName(n, j), E::Scaled, 100});
        for (int j = 0; j < 2; ++j) b.push_back({powerOutTps(n, j), powerOutTpsUpDownName(n, j)});
    }
    b.push_back({TEST_RPM, "UpDownTestRpm", E::Scaled, 100});
    b.push_back({TEST_SERVO, "UpDownTestServo", E::Scaled, 10});
    return b;
}

std::vector<CheckBoxBinding> makeCheckBoxBindings() {
    std::vector<CheckBoxBinding> b = {
        {PICKUPS_INTERCHANGE, "CheckBoxZamenaPickup"},
        {NO_LOBE_CHECK, "CheckBoxNehlidaPalec"},
        {SPECIAL_START, "CheckBoxSpecStart"},
        {SERVO_ENABLE, "CheckBoxPrivEnable"},
        {TPS_MAPA, "CheckBoxTpsMapa"},
    };
    for (int c = 0; c < kChannels; ++c) {
        const std::string p = "CheckBoxPalec" + std::to_string(c + 1);
        b.push_back({lobeByte(MAX_ADV_EDGE2, c), p + "ZacH2"});
        b.push_back({lobeByte(START_ADV_EDGE2, c), p + "EndH2"});
        b.push_back({lobeByte(MAX_ADV_PICKUP2, c), p + "ZacP2"});
        b.push_back({lobeByte(START_ADV_PICKUP2, c), p + "EndP2"});
    }
    return b;
}

}  // namespace

const std::vector<UpDownBinding>& upDownBindings() {
    static const std::vector<UpDownBinding> bindings = makeUpDownBindings();
    return bindings;
}

const std::vector<CheckBoxBinding>& checkBoxBindings() {
    static const std::vector<CheckBoxBinding> bindings = makeCheckBoxBindings();
    return bindings;
}

int encodeField(const UpDownBinding& binding, int value) {
    switch (binding.encoding) {
        case FieldEncoding::Plain:
            return encoding::byteOf(value);
        case FieldEncoding::Scaled:
            return encoding::encodeScaled(value, binding.scale);
        case FieldEncoding::Offset100:
            return encoding::encodeOffset100(value);
        case FieldEncoding::Tps100:
            return encoding::encodeTps100(value);
    }
    return 0;
}

int decodeField(const UpDownBinding& binding, int byte) {
    const auto b = static_cast<std::uint8_t>(byte);
    switch (binding.encoding) {
        case FieldEncoding::Plain:
            return b;
        case FieldEncoding::Scaled:
            return encoding::decodeScaled(b, binding.scale);
        case FieldEncoding::Offset100:
            return encoding::decodeOffset100(b);
        case FieldEncoding::Tps100:
            return encoding::decodeTps100(b);
    }
    return 0;
}

std::string powerOutRadioName(int n) {
    return "RadioGroupPOut" + std::to_string(n + 1);
}
std::string powerOutRpmUpDownName(int n, int j) {
    return "UpDownPOutRpm" + std::to_string(n + 1) + "_" + std::to_string(j);
}
std::string powerOutTpsUpDownName(int n, int j) {
    return "UpDownPOutTps" + std::to_string(n + 1) + "_" + std::to_string(j);
}
std::string powerOutCheckBoxName(int n, int row, int column) {
    return "CheckBoxPOut" + std::to_string(n + 1) + "_r" + std::to_string(row) + "c" +
           std::to_string(column);
}

}  // namespace tz
