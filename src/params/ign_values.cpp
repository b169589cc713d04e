#include "params/ign_values.h"

#include <vector>

namespace tz {

using namespace field;

namespace {

class Table {
  public:
    explicit Table(std::vector<IgnValue>& out) : out_(out) {}

    // Starts the numbers of the next key.
    Table& key(std::string_view name) {
        key_ = name;
        index_ = 0;
        return *this;
    }
    Table& plain(int byte) { return add({.byte = byte}); }
    Table& scaled(int byte, int scale) { return add({.byte = byte, .scale = scale}); }
    Table& offset(int byte, int scale, int offset) {
        return add({.byte = byte, .scale = scale, .offset = offset});
    }
    Table& bit(int byte, int bit) { return add({.byte = byte, .bit = bit}); }

  private:
    Table& add(IgnValue value) {
        value.key = key_;
        value.index = ++index_;
        out_.push_back(value);
        return *this;
    }

    std::vector<IgnValue>& out_;
    std::string_view key_;
    int index_ = 0;
};

std::vector<IgnValue> makeValues() {
    std::vector<IgnValue> v;
    Table t(v);
    t.key("BIKE").plain(BIKE).plain(SYNC_METHOD).plain(LOBE_COUNT).plain(CHANNEL_COUNT);
    for (int c = 0; c < kChannels; ++c) {
        for (int group : {MAX_ADV_LOBE, MAX_ADV_EDGE2, MAX_ADV_PICKUP2, START_ADV_LOBE,
                          START_ADV_EDGE2, START_ADV_PICKUP2})
            t.plain(lobeByte(group, c));
    }
    t.plain(NO_SPARK_REVS).plain(COMPENSATION_1).plain(COMPENSATION_2);
    t.key("GEBER_MODE").plain(GEBER_MODE);
    t.key("INPUT")
        .plain(INPUT1_FUNCTION)
        .plain(INPUT2_FUNCTION)
        .plain(PICKUP1_POLARITY)
        .plain(PICKUP2_POLARITY);
    t.key("PICKUPS_INTERCHANGE").plain(PICKUPS_INTERCHANGE);
    t.key("NO_LOBE_CHECK").plain(NO_LOBE_CHECK);
    t.key("INTERLOCK_INPUT").plain(INTERLOCK_INPUT);
    t.key("SPARK_BEFORE_LOBE").plain(SPARK_BEFORE_LOBE);
    t.key("SPECIAL_START").plain(SPECIAL_START);
    t.key("BASE_ADV").plain(BASE_ADV);
    t.key("LIMITER").plain(START_LIMITER_RPM).plain(LIMITER_RPM).plain(RETARD);
    t.key("START_LIMITER_DELAY").plain(START_LIMITER_DELAY);
    t.key("CLUTCH").scaled(CLUTCH_TIME, 5).scaled(CLUTCH_PAUSE, 5);
    t.key("TPS").scaled(TPS_0_MV, 10).offset(TPS_100_MV, 10, 2500);
    t.key("RPM").plain(TACHO_PULSES).offset(TACHO_CORRECTION, 1, -100);
    t.key("TPS_MAPA").plain(TPS_MAPA);
    t.key("RPM_ADV");
    for (int i = 0; i < kAxisPoints; ++i) t.scaled(RPM_ADV + i, 100);
    t.key("ADVANCE");
    for (int r = 0; r < kMapRows; ++r)
        for (int c = 0; c < kMapColumns; ++c) t.plain(advanceCell(r, c));
    t.key("COR_ADV_12").offset(COR_ADV_1, 1, -100).offset(COR_ADV_2, 1, -100);
    t.key("SERVO_ENABLE").plain(SERVO_ENABLE);
    t.key("SERVO_HYSTER").scaled(SERVO_HYSTER, 5);
    t.key("SERVO_RPM");
    for (int i = 0; i < kAxisPoints; ++i) t.scaled(SERVO_RPM + i, 100);
    t.key("SERVO_MV");
    for (int i = 0; i < kAxisPoints; ++i) t.scaled(SERVO_MV + i, 20);
    constexpr std::string_view kPowerOutKeys[kPowerOutputs] = {"POWER_OUT1", "POWER_OUT2",
                                                               "POWER_OUT3"};
    for (int n = 0; n < kPowerOutputs; ++n) {
        t.key(kPowerOutKeys[n]).plain(powerOutMode(n));
        for (int j = 0; j < 3; ++j) t.scaled(powerOutRpm(n, j), 100);
        for (int j = 0; j < 2; ++j) t.plain(powerOutTps(n, j));
        for (int row = 0; row < 3; ++row)
            for (int c = 0; c < 4; ++c) t.bit(powerOutMap(n, row), c);
    }
    t.key("TEST").scaled(TEST_RPM, 100).scaled(TEST_SERVO, 10);
    return v;
}

}  // namespace

std::span<const IgnValue> ignValues() {
    static const std::vector<IgnValue> values = makeValues();
    return values;
}

}  // namespace tz
