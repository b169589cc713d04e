#include "presenter/monitor_view.h"

#include <algorithm>
#include <cstdio>

#include "design/control_names.h"
#include "presenter/version_texts.h"
#include "session/reports.h"
#include "texts/captions.h"
#include "texts/language.h"

namespace tz::presenter {

namespace {

using texts::Msg;
using ui::Colour;

template <typename... Args>
std::string format(const char* pattern, Args... args) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, pattern, args...);
    return buffer;
}

Colour when(bool set, Colour colour) {
    return set ? colour : Colour::ButtonFace;
}

Colour mark(bool live, Colour normal) {
    return live ? Colour::Lime : normal;
}

}  // namespace

MonitorView::MonitorView(ui::ControlModel& controls, const design::WindowIndex& index,
                         const session::Session& session, const WindowMode& mode,
                         const texts::MessageCatalogue& messages)
    : controls_(controls),
      index_(index),
      session_(session),
      mode_(mode),
      messages_(messages),
      unitLine_(FormatUnitVersionLine(link::VersionState::Unknown, "", "", "", "")) {
    cellColours_.fill(Colour::Window);
}

void MonitorView::label(ui::ControlName name, const std::string& text, Colour colour) {
    const ui::ControlId id = controls_.id(name);
    controls_.setCaption(id, text);
    controls_.setColour(id, colour);
}

void MonitorView::showFrame(const link::LiveValues& v) {
    speedAndSupply(v);
    const Image& image = session_.image();
    const int limiter = image[field::LIMITER_RPM] != 0 ? image[field::LIMITER_RPM] : 100;
    controls_.setPosition(controls_.id(ctl::CGaugeRpm), std::min(v.rpm / limiter, 100));
    advances(v);
    pickups(v);
    throttleAndServo(v);
    unitState(v);
    inputsAndSwitches(v);
    powerOutputs(v);
    // Test values show only in test mode; the servo labels follow its group.
    for (ui::ControlId test : index_.testLabels) controls_.setVisible(test, mode_.testMode);
    const bool servo = controls_.at(controls_.id(ctl::GroupBoxPrivera)).visible;
    controls_.setEnabled(controls_.id(ctl::LabelPriveraPoz), servo);
    controls_.setEnabled(controls_.id(ctl::LabelPriveraMer), servo);

    const link::UnitInfo& unit = session_.unit();
    const std::string mismatch = v.versionState == link::VersionState::Mismatch
                                     ? session::versionMismatchLine(messages_, v.protocolVersion)
                                     : std::string();
    unitLine_ = FormatUnitVersionLine(v.versionState, mismatch, unit.name, unit.date, unit.time);
}

void MonitorView::speedAndSupply(const link::LiveValues& v) {
    label(ctl::LabelRpm, format("RPM = %d ", v.rpm),
          v.speedAlarm ? Colour::Red : when(v.speedWarning, Colour::Yellow));
    const int mv = v.supplyMv;
    Colour supply = Colour::ButtonFace;
    if (mv <= 7000 || mv >= 17999)
        supply = Colour::Red;
    else if (mv <= 11000 || mv >= 14999)
        supply = Colour::Yellow;
    label(ctl::LabelNapeti, format("U = %4.1f [V]", mv * 0.001), supply);
    label(ctl::LabelBlocking1,
          text(Msg::MsgMotorOff) + " - " + text(v.motorOff ? Msg::MsgYes : Msg::MsgNo),
          when(v.motorOff, Colour::Red));
}

void MonitorView::advances(const link::LiveValues& v) {
    constexpr ui::ControlName kNames[2] = {ctl::LabelAdvance1, ctl::LabelAdvance2};
    for (int c = 0; c < 2; ++c) {
        const auto i = static_cast<std::size_t>(c);
        if ((v.errorBits & (link::kSystemError1 << c)) != 0) {
            label(kNames[i], text(Msg::MsgPickupSystemError), Colour::Red);
            continue;
        }
        const int a = v.advance[i];
        const int m = v.maxAdvance[i];
        const std::string value = m != 0 ? format(" %d = %d [°] /max %d [°]", c + 1, a, m)
                                         : format(" %d = %d [°]", c + 1, a);
        label(kNames[i], text(Msg::MsgAdvance) + value, when(m > 0 && a >= m, Colour::Yellow));
    }
}

void MonitorView::pickups(const link::LiveValues& v) {
    const auto polarity = [this](bool negative) {
        return text(negative ? Msg::MsgNegativePolarity : Msg::MsgPositivePolarity);
    };
    const auto signal = [this](bool on) { return text(on ? Msg::MsgRunning : Msg::MsgNoSignal); };

    std::string text1 = text(Msg::MsgPickupCkps) + " 1 - " + signal(v.pickupSignal[0]);
    Colour colour1 = when(v.pickupSignal[0], Colour::Lime);
    if ((v.errorBits & link::kPolarityError1) != 0) {
        text1 += text(Msg::MsgPolarityError);
        colour1 = Colour::Red;
    } else {
        text1 += polarity(v.pickupNegative[0]);
    }
    label(ctl::LabelMonSnimac1, text1, colour1);

    if ((v.errorBits & link::kPolarityError2) != 0) {
        label(ctl::LabelMonSnimac2,
              text(Msg::MsgPickupCkps) + " 2 - " + text(Msg::MsgPolarityError), Colour::Red);
    } else {
        label(ctl::LabelMonSnimac2,
              text(Msg::MsgPickupCkps) + " 2 - " + signal(v.pickupSignal[1]) +
                  polarity(v.pickupNegative[1]),
              when(v.pickupSignal[1], Colour::Lime));
    }
}

void MonitorView::throttleAndServo(const link::LiveValues& v) {
    const ui::ControlId bar = controls_.id(ctl::CGaugeTps);
    if (v.throttlePercent <= 100) {
        label(ctl::LabelTpsMon, format("TP= %d [%%]= %d [mV]", v.throttlePercent, v.throttleMv),
              Colour::ButtonFace);
        controls_.setPosition(bar, v.throttlePercent);
    } else {
        label(ctl::LabelTpsMon, format("TP=error = %d [mV]", v.throttleMv),
              when(v.throttleMv > 4750 || v.throttleMv < 250, Colour::Red));
        controls_.setPosition(bar, 0);
    }
    const Colour servo = v.servoInPosition ? Colour::ButtonFace : Colour::Red;
    label(ctl::LabelPriveraPoz, text(Msg::MsgServoDesired) + format(" %d [mV]", v.servoDesiredMv),
          servo);
    label(ctl::LabelPriveraMer, text(Msg::MsgServoMeasured) + format(" %d [mV]", v.servoMeasuredMv),
          servo);
}

void MonitorView::unitState(const link::LiveValues& v) {
    const ui::ControlId version = controls_.id(ctl::LabelVersion);
    if (v.versionState == link::VersionState::Match) {
        controls_.setVisible(version, false);
    } else {
        controls_.setCaption(version, session::versionMismatchLine(messages_, v.protocolVersion));
        controls_.setVisible(version, true);
    }
    controls_.setVisible(controls_.id(ctl::LabelEeDataErr), v.dataError);
    controls_.setCaption(controls_.id(ctl::LabelPocetProgramovani),
                         text(Msg::MsgProgramCount) + std::to_string(v.programCount));
    for (std::size_t i = 0; i < index_.testLabels.size(); ++i)
        controls_.setCaption(index_.testLabels[i],
                             format("Test%d = %d ", static_cast<int>(i) + 1, v.test[i]));
}

void MonitorView::inputsAndSwitches(const link::LiveValues& v) {
    const auto yesNo = [this](bool set) { return text(set ? Msg::MsgYes : Msg::MsgNo); };
    const auto input = [this](bool grounded) {
        return text(grounded ? Msg::MsgInputGrounded : Msg::MsgInputOpen);
    };
    label(ctl::LabelMonInput1In, text(Msg::MsgInput) + " 1: " + input(v.inputGrounded[0]),
          when(v.inputGrounded[0], Colour::Fuchsia));
    label(ctl::LabelMonInput2In, text(Msg::MsgInput) + " 2: " + input(v.inputGrounded[1]),
          when(v.inputGrounded[1], Colour::Aqua));

    struct Switch {
        ui::ControlName label;
        Msg entry;
        const char* separator;
        bool set;
        Colour colour;
    };
    const Switch switches[] = {
        {ctl::LabelClutchMon, Msg::MsgClutchMaster, " - ", v.clutchMaster, Colour::Lime},
        {ctl::LabelMonStartLimiterOut, Msg::MsgStartLimiter, ": ", v.startLimiter, Colour::Fuchsia},
        {ctl::LabelMonRetard, Msg::MsgRetard, " - ", v.retard, Colour::Aqua},
        {ctl::LabelKillSwitch, Msg::MsgKillSwitch, " - ", v.killSwitch, Colour::Red},
    };
    for (const Switch& s : switches)
        label(s.label, text(s.entry) + s.separator + yesNo(s.set), when(s.set, s.colour));
}

void MonitorView::powerOutputs(const link::LiveValues& v) {
    constexpr Colour kOn[3] = {Colour::Lime, Colour::Aqua, Colour::Yellow};
    const Image& image = session_.image();
    for (int n = 0; n < kPowerOutputs; ++n) {
        std::string name;
        switch (image[powerOutMode(n)]) {
            case 0:
            case 4:
                name = text(Msg::MsgSpecialOut);
                break;
            case 1:
                name = text(Msg::MsgFuelPump);
                break;
            case 2:
                name = text(Msg::MsgGearShiftLight);
                break;
            case 3:
                name = text(Msg::MsgPowerJet);
                break;
            default:
                break;
        }
        const auto i = static_cast<std::size_t>(n);
        const ui::ControlId id = index_.powerOutMonitorLabels[i];
        controls_.setCaption(id, std::to_string(n + 1) + "- " + name + " - " +
                                     text(v.powerOut[i] ? Msg::MsgYes : Msg::MsgNo));
        controls_.setColour(id, when(v.powerOut[i], kOn[i]));
    }
}

void MonitorView::highlightLiveCell() {
    const bool tpsRows = controls_.checked(controls_.id(ctl::CheckBoxTpsMapa));
    const link::LiveCell cell = session_.liveCell(tpsRows);
    // The colours follow from the cell alone; repaint them only when it moved.
    if (liveCellShown_ && cell == liveCell_) return;
    liveCell_ = cell;
    liveCellShown_ = true;
    for (int k = 0; k < kAxisPoints; ++k) {
        const auto i = static_cast<std::size_t>(k);
        controls_.setColour(index_.rpmEdits[i],
                            mark(cell.hasCell && k == cell.column, Colour::Window));
        controls_.setColour(index_.tpsLabels[i], mark(k == cell.row, Colour::ButtonFace));
        const Colour servo = mark(k == cell.servoPoint, Colour::Window);
        controls_.setColour(index_.servoRpmEdits[i], servo);
        controls_.setColour(index_.servoMvEdits[i], servo);
    }
    for (int r = 0; r < kMapRows; ++r) {
        for (int c = 0; c < kMapColumns; ++c) {
            const auto i = static_cast<std::size_t>(10 * r + c);
            controls_.setColour(
                index_.cellEdits[i],
                mark(cell.hasCell && r == cell.row && c == cell.column, cellColours_[i]));
        }
    }
}

void MonitorView::setCellColours(const std::array<Colour, kMapRows * kMapColumns>& colours) {
    if (colours == cellColours_) return;
    cellColours_ = colours;
    liveCellShown_ = false;
    highlightLiveCell();
}

void MonitorView::connectionLost(texts::Language lang) {
    for (const texts::CaptionAssignment& a : texts::notConnectedPlaceholders(lang)) {
        const ui::ControlId id = controls_.id(ui::ControlName{a.target});
        controls_.setCaption(id, a.text);
        if (controls_.at(id).kind == ui::Kind::Label) controls_.setColour(id, Colour::ButtonFace);
    }
    // Live labels without a placeholder of their own go back to their designed
    // texts.
    label(ctl::LabelRpm, "RPM = ---", Colour::ButtonFace);
    label(ctl::LabelNapeti, "U = --- [V]", Colour::ButtonFace);
    label(ctl::LabelTpsMon, "TP= --- [%]", Colour::ButtonFace);
    for (std::size_t i = 0; i < index_.testLabels.size(); ++i)
        controls_.setCaption(index_.testLabels[i], format("Test%d = ---", static_cast<int>(i) + 1));
    controls_.setPosition(controls_.id(ctl::CGaugeRpm), 0);
    controls_.setPosition(controls_.id(ctl::CGaugeTps), 0);
    controls_.setVisible(controls_.id(ctl::LabelEeDataErr), false);
    unitLine_ = FormatUnitVersionLine(link::VersionState::Unknown, "", "", "", "");
}

void MonitorView::showConnection(bool answering) {
    controls_.setVisible(controls_.id(ctl::LabelSpojeni), !answering && !mode_.printLayout);
    if (!answering) controls_.setVisible(controls_.id(ctl::LabelVersion), false);
}

void MonitorView::showUnitLine() {
    controls_.setPanelText(controls_.id(ctl::StatusBar1), 4, unitLine_);
}

}  // namespace tz::presenter
