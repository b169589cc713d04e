// The monitor frame: the unit's answer to a poll, decoded into the live
// values that the rest of the program uses and into the texts and colours
// of the live labels, which the window applies to its controls.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/control.h"
#include "link/frame.h"
#include "link/version_texts.h"
#include "params/image.h"
#include "texts/messages.h"

namespace tz::link {

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

// One label of the live monitor: what changes, by the label's name in the
// window design. Empty optionals leave that property as it is.
struct LabelUpdate {
    std::string_view name;
    std::optional<std::string> text;
    std::optional<ui::Colour> colour;
    std::optional<bool> visible;

    bool operator==(const LabelUpdate&) const = default;
};

struct GaugeUpdate {
    std::string_view name;
    int position = 0;

    bool operator==(const GaugeUpdate&) const = default;
};

struct MonitorDisplay {
    std::vector<LabelUpdate> labels;
    std::vector<GaugeUpdate> gauges;  // CGaugeRpm and CGaugeTps, both 0..100
};

struct MonitorResult {
    LiveValues live;
    MonitorDisplay display;
};

// Nothing for a frame with a wrong check byte. The texts are built from the
// catalogue in its current language; the image gives the rev limiter of the
// speed bar and the modes that name the power outputs.
std::optional<MonitorResult> DecodeMonitorFrame(FrameView frame, const Image& image,
                                                const texts::MessageCatalogue& messages);

// What LabelVersion shows while the unit reports another protocol version.
std::string VersionMismatchText(const texts::MessageCatalogue& messages, int unitVersion);

}  // namespace tz::link
