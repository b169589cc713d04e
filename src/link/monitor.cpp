#include "link/monitor.h"

namespace tz::link {

namespace {

// Byte places of the monitor frame.
namespace at {
constexpr int kRpm = 1;
constexpr int kThrottleRaw = 3;
constexpr int kSupply = 5;
constexpr int kServoMeasured = 7;
constexpr int kServoDesired = 9;
constexpr int kProgramCount = 11;
constexpr int kTest = 13;
constexpr int kKillSwitch = 37;
constexpr int kRetard = 38;
constexpr int kStartLimiter = 39;
constexpr int kClutchMaster = 40;
constexpr int kThrottlePercent = 41;
constexpr int kPowerOut2 = 42;
constexpr int kPowerOut1 = 43;
constexpr int kPickup1 = 48;
constexpr int kAdvance1 = 50;
constexpr int kMaxAdvance1 = 54;
constexpr int kSpeedAlarm = 62;
constexpr int kMotorOff = 63;
constexpr int kSpeedWarning = 64;
constexpr int kServoInPosition = 65;
constexpr int kInput1 = 66;
constexpr int kPowerOut3 = 68;
constexpr int kPickup1Negative = 69;
constexpr int kErrorBits = 71;
constexpr int kSaving = 95;
constexpr int kDataError = 99;
constexpr int kProtocol = 100;
}  // namespace at

std::uint16_t word(FrameView f, int at) {
    return static_cast<std::uint16_t>(f[at] | (f[at + 1] << 8));
}

bool flag(FrameView f, int at) {
    return f[at] != 0;
}

// Converter reading 0..1023 of a 0..5 V input in millivolts.
std::uint16_t millivolts(std::uint16_t reading) {
    return static_cast<std::uint16_t>(reading * 5000 / 1023);
}

LiveValues decodeValues(FrameView f) {
    LiveValues v;
    v.rpm = word(f, at::kRpm);
    v.throttlePercent = f[at::kThrottlePercent];
    v.throttleMv = millivolts(word(f, at::kThrottleRaw));
    v.supplyMv = word(f, at::kSupply);
    v.servoMeasuredMv = millivolts(word(f, at::kServoMeasured));
    v.servoDesiredMv = millivolts(word(f, at::kServoDesired));
    v.programCount = word(f, at::kProgramCount);
    for (int i = 0; i < 8; ++i) v.test[static_cast<std::size_t>(i)] = word(f, at::kTest + 2 * i);
    for (int c = 0; c < 2; ++c) {
        const auto i = static_cast<std::size_t>(c);
        v.advance[i] = f[at::kAdvance1 + c] - 100;
        v.maxAdvance[i] = word(f, at::kMaxAdvance1 + 2 * c);
        v.pickupSignal[i] = flag(f, at::kPickup1 + c);
        v.pickupNegative[i] = flag(f, at::kPickup1Negative + c);
        v.inputGrounded[i] = flag(f, at::kInput1 + c);
    }
    v.powerOut = {flag(f, at::kPowerOut1), flag(f, at::kPowerOut2), flag(f, at::kPowerOut3)};
    v.killSwitch = flag(f, at::kKillSwitch);
    v.retard = flag(f, at::kRetard);
    v.startLimiter = flag(f, at::kStartLimiter);
    v.clutchMaster = flag(f, at::kClutchMaster);
    v.motorOff = flag(f, at::kMotorOff);
    v.speedAlarm = flag(f, at::kSpeedAlarm);
    v.speedWarning = flag(f, at::kSpeedWarning);
    v.servoInPosition = flag(f, at::kServoInPosition);
    v.dataError = flag(f, at::kDataError);
    v.errorBits = f[at::kErrorBits];
    v.savingCountdown = word(f, at::kSaving);
    v.protocolVersion = f[at::kProtocol];
    return v;
}

}  // namespace

std::optional<LiveValues> DecodeMonitorFrame(FrameView frame) {
    if (!IsValidFrame(frame)) return std::nullopt;
    LiveValues v = decodeValues(frame);
    v.running = v.pickupSignal[0] || (v.pickupSignal[1] && (v.errorBits & kPolarityError2) == 0);
    v.versionState =
        v.protocolVersion == kProtocolVersion ? VersionState::Match : VersionState::Mismatch;
    return v;
}

}  // namespace tz::link
