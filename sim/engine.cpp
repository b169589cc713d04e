#include "sim/engine.h"

#include <algorithm>

#include "link/live_cell.h"

namespace tz::sim {

namespace {

constexpr int kIdleRpm = 1200;

int toReading(int millivolts) {
    return std::clamp(millivolts, 0, 5000) * 1023 / 5000;
}

// The servo voltage of the stored curve at v hundreds of rpm.
int servoMillivolts(const Image& s, int v) {
    const auto rpm = [&s](int i) { return int{s[field::SERVO_RPM + i]}; };
    const auto mv = [&s](int i) { return s[field::SERVO_MV + i] * 20; };
    if (v <= rpm(0)) return mv(0);
    for (int i = 1; i < kAxisPoints; ++i) {
        if (v > rpm(i)) continue;
        const int span = std::max(1, rpm(i) - rpm(i - 1));
        return mv(i - 1) + (mv(i) - mv(i - 1)) * (v - rpm(i - 1)) / span;
    }
    return mv(kAxisPoints - 1);
}

}  // namespace

void RunEngine(MonitorFields& f, std::int64_t nowMs, const Image& stored) {
    const std::int64_t cycle = nowMs / kEngineCycleMs;
    const auto phase = static_cast<int>(nowMs % kEngineCycleMs);
    const int half = kEngineCycleMs / 2;
    // 0..1000 up in the first half of the cycle, down in the second.
    const int level = phase < half ? phase * 1000 / half : (kEngineCycleMs - phase) * 1000 / half;
    const bool rising = phase < half;

    const int limiter = stored[field::LIMITER_RPM] != 0 ? stored[field::LIMITER_RPM] * 100 : 10000;
    // A little beyond the limiter at the top, so that warning and alarm show.
    const int rpm = kIdleRpm + (limiter + limiter / 50 - kIdleRpm) * level / 1000;
    const int throttle = level / 10;
    f.set("rpm", rpm);
    f.set("tps", throttle);
    f.set("tps-raw", toReading(500 + throttle * 40));
    f.set("pickup1", 1);
    f.set("pickup2", stored[field::CHANNEL_COUNT] >= 2 ? 1 : 0);
    f.set("speed-warning", rpm * 100 >= limiter * 95 ? 1 : 0);
    f.set("speed-alarm", rpm > limiter ? 1 : 0);

    link::LiveValues live;
    live.rpm = static_cast<std::uint16_t>(rpm);
    live.throttlePercent = static_cast<std::uint8_t>(throttle);
    const link::LiveCell cell = link::HighlightLiveCell(live, stored, stored[field::TPS_MAPA] != 0);
    const int advance = stored[advanceCell(cell.row, cell.hasCell ? cell.column : 0)];
    int maxAdvance = 0;
    for (int c = 0; c < kMapColumns; ++c)
        maxAdvance = std::max(maxAdvance, int{stored[advanceCell(cell.row, c)]});
    f.set("advance1", advance);
    f.set("advance2", advance);
    f.set("max-advance1", maxAdvance);
    f.set("max-advance2", maxAdvance);

    const int desired = servoMillivolts(stored, rpm / 100);
    const int measured = rising ? desired - 120 : desired + 120;
    f.set("servo-desired", toReading(desired));
    f.set("servo-measured", toReading(measured));
    f.set("servo-in-position", level % 250 < 200 ? 1 : 0);

    f.set("pout1", 1);
    f.set("pout2", throttle >= 50 ? 1 : 0);
    f.set("pout3", rpm * 10 >= limiter * 9 ? 1 : 0);
    f.set("input1", throttle >= 90 ? 1 : 0);
    f.set("clutch-master", throttle >= 90 ? 1 : 0);
    f.set("input2", !rising && throttle < 30 ? 1 : 0);
    f.set("retard", !rising && throttle < 30 ? 1 : 0);
    // Every third cycle pick-up 2 reports a polarity error on the way down.
    f.set("errors", cycle % 3 == 2 && !rising && throttle > 40 && throttle < 60 ? 0x02 : 0);
}

}  // namespace tz::sim
