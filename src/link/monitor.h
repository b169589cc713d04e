// The monitor frame: the unit's answer to a poll, decoded into the live
// values that the rest of the program uses.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "link/frame.h"

namespace tz::link {

// Whether the unit speaks this program's protocol version.
enum class VersionState { Unknown = 0, Mismatch = 1, Match = 2 };

// Bits of LiveValues::errorBits.
inline constexpr std::uint8_t kPolarityError1 = 0x01;
inline constexpr std::uint8_t kPolarityError2 = 0x02;
inline constexpr std::uint8_t kSystemError1 = 0x04;  // channel 2: kSystemError1 << 1

// Everything a monitor frame reports, as numbers and flags.
struct LiveValues {
    std::uint16_t rpm = 0;
    std::uint8_t throttlePercent = 0;  // above 100: sensor error
    std::uint16_t throttleMv = 0;
    std::uint16_t supplyMv = 0;
    std::uint16_t servoMeasuredMv = 0;
    std::uint16_t servoDesiredMv = 0;
    std::uint16_t programCount = 0;
    std::array<std::uint16_t, 8> test{};
    std::array<int, 2> advance{};               // degrees, per channel
    std::array<std::uint16_t, 2> maxAdvance{};  // degrees, 0 = none reported
    std::array<bool, 2> pickupSignal{};
    std::array<bool, 2> pickupNegative{};
    std::array<bool, 3> powerOut{};
    std::array<bool, 2> inputGrounded{};
    bool killSwitch = false;
    bool retard = false;
    bool startLimiter = false;
    bool clutchMaster = false;
    bool motorOff = false;
    bool speedAlarm = false;
    bool speedWarning = false;
    bool servoInPosition = false;
    bool dataError = false;
    std::uint8_t errorBits = 0;
    std::uint16_t savingCountdown = 0;
    std::uint8_t protocolVersion = 0;
    // Either pick-up reports a signal (pick-up 2 only without its polarity error).
    bool running = false;
    VersionState versionState = VersionState::Unknown;
};

// Nothing for a frame with a wrong check byte.
std::optional<LiveValues> DecodeMonitorFrame(FrameView frame);

}  // namespace tz::link
