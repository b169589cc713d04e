#include "link/monitor.h"

#include <algorithm>
#include <cstdio>

namespace tz::link {

namespace {

using texts::Msg;
using ui::Colour;

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

constexpr std::uint8_t kPolarityError1 = 0x01;
constexpr std::uint8_t kPolarityError2 = 0x02;
constexpr std::uint8_t kSystemError1 = 0x04;

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

template <typename... Args>
std::string format(const char* pattern, Args... args) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, pattern, args...);
    return buffer;
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

class Labels {
  public:
    explicit Labels(const texts::MessageCatalogue& messages) : m_(messages) {}

    const std::string& operator[](Msg id) const { return m_[id]; }
    const std::string& yesNo(bool set) const { return m_[set ? Msg::MsgYes : Msg::MsgNo]; }

    void set(std::string_view name, std::string text, Colour colour) {
        out_.push_back({name, std::move(text), colour, {}});
    }
    void add(LabelUpdate update) { out_.push_back(std::move(update)); }
    std::vector<LabelUpdate> take() { return std::move(out_); }

  private:
    const texts::MessageCatalogue& m_;
    std::vector<LabelUpdate> out_;
};

Colour when(bool set, Colour colour) {
    return set ? colour : Colour::ButtonFace;
}

void speedAndSupply(const LiveValues& v, Labels& l) {
    l.set("LabelRpm", format("RPM = %d ", v.rpm),
          v.speedAlarm ? Colour::Red : when(v.speedWarning, Colour::Yellow));
    const int mv = v.supplyMv;
    Colour supply = Colour::ButtonFace;
    if (mv <= 7000 || mv >= 17999)
        supply = Colour::Red;
    else if (mv <= 11000 || mv >= 14999)
        supply = Colour::Yellow;
    l.set("LabelNapeti", format("U = %4.1f [V]", mv * 0.001), supply);
    l.set("LabelBlocking1", l[Msg::MsgMotorOff] + " - " + l.yesNo(v.motorOff),
          when(v.motorOff, Colour::Red));
}

void advances(const LiveValues& v, Labels& l) {
    constexpr std::string_view kNames[2] = {"LabelAdvance1", "LabelAdvance2"};
    for (int c = 0; c < 2; ++c) {
        const auto i = static_cast<std::size_t>(c);
        if ((v.errorBits & (kSystemError1 << c)) != 0) {
            l.set(kNames[i], l[Msg::MsgPickupSystemError], Colour::Red);
            continue;
        }
        const int a = v.advance[i];
        const int m = v.maxAdvance[i];
        const std::string text = m != 0 ? format(" %d = %d [°] /max %d [°]", c + 1, a, m)
                                        : format(" %d = %d [°]", c + 1, a);
        l.set(kNames[i], l[Msg::MsgAdvance] + text, when(m > 0 && a >= m, Colour::Yellow));
    }
}

void pickups(const LiveValues& v, Labels& l) {
    const auto polarity = [&l](bool negative) {
        return l[negative ? Msg::MsgNegativePolarity : Msg::MsgPositivePolarity];
    };
    const auto signal = [&l](bool on) { return l[on ? Msg::MsgRunning : Msg::MsgNoSignal]; };

    std::string text1 = l[Msg::MsgPickupCkps] + " 1 - " + signal(v.pickupSignal[0]);
    Colour colour1 = when(v.pickupSignal[0], Colour::Lime);
    if ((v.errorBits & kPolarityError1) != 0) {
        text1 += l[Msg::MsgPolarityError];
        colour1 = Colour::Red;
    } else {
        text1 += polarity(v.pickupNegative[0]);
    }
    l.set("LabelMonSnimac1", std::move(text1), colour1);

    if ((v.errorBits & kPolarityError2) != 0) {
        l.set("LabelMonSnimac2", l[Msg::MsgPickupCkps] + " 2 - " + l[Msg::MsgPolarityError],
              Colour::Red);
    } else {
        l.set("LabelMonSnimac2",
              l[Msg::MsgPickupCkps] + " 2 - " + signal(v.pickupSignal[1]) +
                  polarity(v.pickupNegative[1]),
              when(v.pickupSignal[1], Colour::Lime));
    }
}

void throttleAndServo(const LiveValues& v, Labels& l, MonitorDisplay& d) {
    if (v.throttlePercent <= 100) {
        l.set("LabelTpsMon", format("TP= %d [%%]= %d [mV]", v.throttlePercent, v.throttleMv),
              Colour::ButtonFace);
        d.gauges.push_back({"CGaugeTps", v.throttlePercent});
    } else {
        l.set("LabelTpsMon", format("TP=error = %d [mV]", v.throttleMv),
              when(v.throttleMv > 4750 || v.throttleMv < 250, Colour::Red));
        d.gauges.push_back({"CGaugeTps", 0});
    }
    const Colour servo = v.servoInPosition ? Colour::ButtonFace : Colour::Red;
    l.set("LabelPriveraPoz", l[Msg::MsgServoDesired] + format(" %d [mV]", v.servoDesiredMv), servo);
    l.set("LabelPriveraMer", l[Msg::MsgServoMeasured] + format(" %d [mV]", v.servoMeasuredMv),
          servo);
}

void unitState(const LiveValues& v, Labels& l, const texts::MessageCatalogue& messages) {
    if (v.versionState == VersionState::Match)
        l.add({"LabelVersion", {}, {}, false});
    else
        l.add({"LabelVersion", VersionMismatchText(messages, v.protocolVersion), {}, true});
    l.add({"LabelEeDataErr", {}, {}, v.dataError});
    l.add({"LabelPocetProgramovani",
           l[Msg::MsgProgramCount] + std::to_string(v.programCount),
           {},
           {}});
    for (int i = 0; i < 8; ++i) {
        static constexpr std::string_view kTests[8] = {"LabelTest1", "LabelTest2", "LabelTest3",
                                                       "LabelTest4", "LabelTest5", "LabelTest6",
                                                       "LabelTest7", "LabelTest8"};
        l.add({kTests[i],
               format("Test%d = %d ", i + 1, v.test[static_cast<std::size_t>(i)]),
               {},
               {}});
    }
}

void inputsAndSwitches(const LiveValues& v, Labels& l) {
    const auto input = [&l](bool grounded) {
        return l[grounded ? Msg::MsgInputGrounded : Msg::MsgInputOpen];
    };
    l.set("LabelMonInput1In", l[Msg::MsgInput] + " 1: " + input(v.inputGrounded[0]),
          when(v.inputGrounded[0], Colour::Fuchsia));
    l.set("LabelMonInput2In", l[Msg::MsgInput] + " 2: " + input(v.inputGrounded[1]),
          when(v.inputGrounded[1], Colour::Aqua));

    struct Switch {
        std::string_view label;
        Msg entry;
        const char* separator;
        bool set;
        Colour colour;
    };
    const Switch switches[] = {
        {"LabelClutchMon", Msg::MsgClutchMaster, " - ", v.clutchMaster, Colour::Lime},
        {"LabelMonStartLimiterOut", Msg::MsgStartLimiter, ": ", v.startLimiter, Colour::Fuchsia},
        {"LabelMonRetard", Msg::MsgRetard, " - ", v.retard, Colour::Aqua},
        {"LabelKillSwitch", Msg::MsgKillSwitch, " - ", v.killSwitch, Colour::Red},
    };
    for (const Switch& s : switches)
        l.set(s.label, l[s.entry] + s.separator + l.yesNo(s.set), when(s.set, s.colour));
}

void powerOutputs(const LiveValues& v, const Image& image, Labels& l) {
    constexpr std::string_view kLabels[3] = {"LabelMonPOut1", "LabelMonPOut2", "LabelMonPOut3"};
    constexpr Colour kOn[3] = {Colour::Lime, Colour::Aqua, Colour::Yellow};
    for (int n = 0; n < kPowerOutputs; ++n) {
        std::string name;
        switch (image[powerOutMode(n)]) {
            case 0:
            case 4:
                name = l[Msg::MsgSpecialOut];
                break;
            case 1:
                name = l[Msg::MsgFuelPump];
                break;
            case 2:
                name = l[Msg::MsgGearShiftLight];
                break;
            case 3:
                name = l[Msg::MsgPowerJet];
                break;
            default:
                break;
        }
        const auto i = static_cast<std::size_t>(n);
        l.set(kLabels[i], std::to_string(n + 1) + "- " + name + " - " + l.yesNo(v.powerOut[i]),
              when(v.powerOut[i], kOn[i]));
    }
}

}  // namespace

std::string VersionMismatchText(const texts::MessageCatalogue& messages, int unitVersion) {
    return messages[Msg::MsgVersionMismatch] +
           format("  PC-%d, IGN-%d", int{kProtocolVersion}, unitVersion);
}

std::optional<MonitorResult> DecodeMonitorFrame(FrameView frame, const Image& image,
                                                const texts::MessageCatalogue& messages) {
    if (!IsValidFrame(frame)) return std::nullopt;
    MonitorResult result;
    LiveValues& v = result.live;
    v = decodeValues(frame);
    v.running = v.pickupSignal[0] || (v.pickupSignal[1] && (v.errorBits & kPolarityError2) == 0);
    v.versionState =
        v.protocolVersion == kProtocolVersion ? VersionState::Match : VersionState::Mismatch;

    MonitorDisplay& d = result.display;
    Labels l(messages);
    speedAndSupply(v, l);
    const int limiter = image[field::LIMITER_RPM] != 0 ? image[field::LIMITER_RPM] : 100;
    d.gauges.push_back({"CGaugeRpm", std::min(v.rpm / limiter, 100)});
    advances(v, l);
    pickups(v, l);
    throttleAndServo(v, l, d);
    unitState(v, l, messages);
    inputsAndSwitches(v, l);
    powerOutputs(v, image, l);
    d.labels = l.take();
    return result;
}

}  // namespace tz::link
