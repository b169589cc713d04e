#include "link/monitor_fields.h"

#include <algorithm>
#include <array>

namespace tz::link {

namespace {

using Get = int (*)(const LiveValues&);
using Set = void (*)(LiveValues&, int);

constexpr int kU8 = 0xFF;
constexpr int kU16 = 0xFFFF;
constexpr int kMaxReading = 1023;
constexpr int kFullScaleMv = 5000;

template <typename T>
constexpr T narrow(int v) {
    return static_cast<T>(v);
}

constexpr MonitorField count(std::string_view name, std::string_view frameName,
                             std::string_view unit, int offset, int width, Get get, Set set) {
    return {name,
            frameName,
            unit,
            offset,
            width,
            0,
            FieldScale::Raw,
            false,
            {},
            0,
            width == 1 ? kU8 : kU16,
            get,
            set};
}

constexpr MonitorField reading(std::string_view name, std::string_view frameName, int offset,
                               Get get, Set set) {
    return {name,  frameName, "mV", offset, 2,   0,  FieldScale::Millivolts,
            false, {},        0,    kU16,   get, set};
}

// The frame carries an advance as degrees + 100 in one byte.
constexpr MonitorField advance(std::string_view name, std::string_view frameName, int offset,
                               Get get, Set set) {
    return {name, frameName, "°", offset, 1, 100, FieldScale::Raw, false, {}, -100, 155, get, set};
}

constexpr MonitorField flag(std::string_view name, std::string_view frameName, int offset,
                            std::string_view jsonList, Get get, Set set) {
    return {name, frameName, {}, offset, 1, 0, FieldScale::Raw, true, jsonList, 0, 1, get, set};
}

template <std::size_t I>
constexpr MonitorField test(std::string_view frameName) {
    return count(
        {}, frameName, {}, 13 + 2 * static_cast<int>(I), 2,
        [](const LiveValues& v) { return int{v.test[I]}; },
        [](LiveValues& v, int x) { v.test[I] = narrow<std::uint16_t>(x); });
}

// clang-format off
constexpr auto kFields = std::to_array<MonitorField>({
    count("rpm", "rpm", "rpm", 1, 2, [](const LiveValues& v) { return int{v.rpm}; },
          [](LiveValues& v, int x) { v.rpm = narrow<std::uint16_t>(x); }),
    count("tps", "tps", "%", 41, 1, [](const LiveValues& v) { return int{v.throttlePercent}; },
          [](LiveValues& v, int x) { v.throttlePercent = narrow<std::uint8_t>(x); }),
    reading("throttle_mv", "tps-raw", 3, [](const LiveValues& v) { return int{v.throttleMv}; },
            [](LiveValues& v, int x) { v.throttleMv = narrow<std::uint16_t>(x); }),
    count("supply_mv", "supply", "mV", 5, 2, [](const LiveValues& v) { return int{v.supplyMv}; },
          [](LiveValues& v, int x) { v.supplyMv = narrow<std::uint16_t>(x); }),
    advance("advance1", "advance1", 50, [](const LiveValues& v) { return v.advance[0]; },
            [](LiveValues& v, int x) { v.advance[0] = x; }),
    advance("advance2", "advance2", 51, [](const LiveValues& v) { return v.advance[1]; },
            [](LiveValues& v, int x) { v.advance[1] = x; }),
    count("max_advance1", "max-advance1", "°", 54, 2,
          [](const LiveValues& v) { return int{v.maxAdvance[0]}; },
          [](LiveValues& v, int x) { v.maxAdvance[0] = narrow<std::uint16_t>(x); }),
    count("max_advance2", "max-advance2", "°", 56, 2,
          [](const LiveValues& v) { return int{v.maxAdvance[1]}; },
          [](LiveValues& v, int x) { v.maxAdvance[1] = narrow<std::uint16_t>(x); }),
    reading("servo_desired_mv", "servo-desired", 9,
            [](const LiveValues& v) { return int{v.servoDesiredMv}; },
            [](LiveValues& v, int x) { v.servoDesiredMv = narrow<std::uint16_t>(x); }),
    reading("servo_measured_mv", "servo-measured", 7,
            [](const LiveValues& v) { return int{v.servoMeasuredMv}; },
            [](LiveValues& v, int x) { v.servoMeasuredMv = narrow<std::uint16_t>(x); }),
    flag("pickup1", "pickup1", 48, {}, [](const LiveValues& v) { return int{v.pickupSignal[0]}; },
         [](LiveValues& v, int x) { v.pickupSignal[0] = x != 0; }),
    flag("pickup2", "pickup2", 49, {}, [](const LiveValues& v) { return int{v.pickupSignal[1]}; },
         [](LiveValues& v, int x) { v.pickupSignal[1] = x != 0; }),
    // Computed by the decoder from the pick-ups; the frame does not carry it.
    flag("running", {}, 0, {}, [](const LiveValues& v) { return int{v.running}; },
         [](LiveValues& v, int x) { v.running = x != 0; }),
    flag("power_out1", "pout1", 43, "power_out", [](const LiveValues& v) { return int{v.powerOut[0]}; },
         [](LiveValues& v, int x) { v.powerOut[0] = x != 0; }),
    flag("power_out2", "pout2", 42, "power_out", [](const LiveValues& v) { return int{v.powerOut[1]}; },
         [](LiveValues& v, int x) { v.powerOut[1] = x != 0; }),
    flag("power_out3", "pout3", 68, "power_out", [](const LiveValues& v) { return int{v.powerOut[2]}; },
         [](LiveValues& v, int x) { v.powerOut[2] = x != 0; }),
    flag("input1", "input1", 66, "inputs", [](const LiveValues& v) { return int{v.inputGrounded[0]}; },
         [](LiveValues& v, int x) { v.inputGrounded[0] = x != 0; }),
    flag("input2", "input2", 67, "inputs", [](const LiveValues& v) { return int{v.inputGrounded[1]}; },
         [](LiveValues& v, int x) { v.inputGrounded[1] = x != 0; }),
    count("errors", "errors", {}, 71, 1, [](const LiveValues& v) { return int{v.errorBits}; },
          [](LiveValues& v, int x) { v.errorBits = narrow<std::uint8_t>(x); }),
    count("saving", "saving", {}, 95, 2, [](const LiveValues& v) { return int{v.savingCountdown}; },
          [](LiveValues& v, int x) { v.savingCountdown = narrow<std::uint16_t>(x); }),
    count("program_count", "program-count", {}, 11, 2,
          [](const LiveValues& v) { return int{v.programCount}; },
          [](LiveValues& v, int x) { v.programCount = narrow<std::uint16_t>(x); }),
    count("protocol", "protocol", {}, 100, 1, [](const LiveValues& v) { return int{v.protocolVersion}; },
          [](LiveValues& v, int x) { v.protocolVersion = narrow<std::uint8_t>(x); }),
    // Only the frame carries these.
    test<0>("test1"), test<1>("test2"), test<2>("test3"), test<3>("test4"),
    test<4>("test5"), test<5>("test6"), test<6>("test7"), test<7>("test8"),
    flag({}, "kill-switch", 37, {}, [](const LiveValues& v) { return int{v.killSwitch}; },
         [](LiveValues& v, int x) { v.killSwitch = x != 0; }),
    flag({}, "retard", 38, {}, [](const LiveValues& v) { return int{v.retard}; },
         [](LiveValues& v, int x) { v.retard = x != 0; }),
    flag({}, "start-limiter", 39, {}, [](const LiveValues& v) { return int{v.startLimiter}; },
         [](LiveValues& v, int x) { v.startLimiter = x != 0; }),
    flag({}, "clutch-master", 40, {}, [](const LiveValues& v) { return int{v.clutchMaster}; },
         [](LiveValues& v, int x) { v.clutchMaster = x != 0; }),
    flag({}, "speed-alarm", 62, {}, [](const LiveValues& v) { return int{v.speedAlarm}; },
         [](LiveValues& v, int x) { v.speedAlarm = x != 0; }),
    flag({}, "motor-off", 63, {}, [](const LiveValues& v) { return int{v.motorOff}; },
         [](LiveValues& v, int x) { v.motorOff = x != 0; }),
    flag({}, "speed-warning", 64, {}, [](const LiveValues& v) { return int{v.speedWarning}; },
         [](LiveValues& v, int x) { v.speedWarning = x != 0; }),
    flag({}, "servo-in-position", 65, {}, [](const LiveValues& v) { return int{v.servoInPosition}; },
         [](LiveValues& v, int x) { v.servoInPosition = x != 0; }),
    flag({}, "pickup1-negative", 69, {}, [](const LiveValues& v) { return int{v.pickupNegative[0]}; },
         [](LiveValues& v, int x) { v.pickupNegative[0] = x != 0; }),
    flag({}, "pickup2-negative", 70, {}, [](const LiveValues& v) { return int{v.pickupNegative[1]}; },
         [](LiveValues& v, int x) { v.pickupNegative[1] = x != 0; }),
    flag({}, "data-error", 99, {}, [](const LiveValues& v) { return int{v.dataError}; },
         [](LiveValues& v, int x) { v.dataError = x != 0; }),
});
// clang-format on

static_assert(kFields[kLoggedFieldCount - 1].name == "protocol" &&
                  kFields[kLoggedFieldCount].name.empty(),
              "the logged fields come first");

}  // namespace

std::span<const MonitorField> LoggedFields() {
    return std::span(kFields).first(kLoggedFieldCount);
}

std::span<const MonitorField> AllMonitorFields() {
    return kFields;
}

const MonitorField* FindFrameField(std::string_view frameName) {
    if (frameName.empty()) return nullptr;
    const auto at = std::find_if(kFields.begin(), kFields.end(),
                                 [&](const MonitorField& f) { return f.frameName == frameName; });
    return at == kFields.end() ? nullptr : &*at;
}

int DecodeField(const MonitorField& field, FrameView frame) {
    const auto at = static_cast<std::size_t>(field.offset);
    int raw = frame[at];
    if (field.width == 2) raw |= frame[at + 1] << 8;
    if (field.scale == FieldScale::Millivolts) return raw * kFullScaleMv / kMaxReading;
    return raw - field.bias;
}

int ConverterReading(int millivolts) {
    // The decoder computes reading * 5000 / 1023 rounded down; the smallest
    // reading that reaches the value gives it back exactly.
    const int reading = (std::max(millivolts, 0) * kMaxReading + kFullScaleMv - 1) / kFullScaleMv;
    return std::min(reading, kMaxReading);
}

int FrameValueOf(const MonitorField& field, const LiveValues& values) {
    const int value = field.get(values);
    return field.scale == FieldScale::Raw ? value : ConverterReading(value);
}

}  // namespace tz::link
