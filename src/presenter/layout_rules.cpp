#include "presenter/layout_rules.h"

#include <initializer_list>

#include "design/control_names.h"
#include "params/power_out_patterns.h"

namespace tz::presenter {

using namespace field;
using ui::Colour;

namespace {

constexpr int kSpecialBike = 6;

}  // namespace

LayoutRules::LayoutRules(ui::ControlModel& controls, const design::WindowIndex& index,
                         const session::Session& session, const WindowMode& mode,
                         GraphAreaHost& graphs)
    : controls_(controls), index_(index), session_(session), mode_(mode), graphs_(graphs) {}

int LayoutRules::activePage() const {
    return controls_.itemIndex(id(ctl::PageControl1));
}

void LayoutRules::refresh() {
    colours();
    printHidden();
    bikePage();
    inputsPage();
    liveLabels();
    powerOutPage();
    grid();
    graphs_.layout(activePage(), mode_.printLayout);
}

void LayoutRules::colours() {
    controls_.setColour(id(ctl::TFormHlav), mode_.printLayout ? Colour::White : Colour::ButtonFace);
    const ui::ControlId prog = id(ctl::CheckBoxProgHned);
    controls_.setColour(prog, controls_.checked(prog) ? Colour::Red : Colour::ButtonFace);
}

void LayoutRules::printHidden() {
    const bool shown = !mode_.printLayout;
    for (ui::ControlName name :
         {ctl::CheckBoxProgHned, ctl::StatusBar1, ctl::GroupBoxToolBar, ctl::UpDownBaseAdv,
          ctl::UpDownOmez2, ctl::CSpinButtonAll, ctl::CheckBoxIgnAll, ctl::UpDownTps0,
          ctl::UpDownTps100, ctl::BitBtnTps0, ctl::BitBtnTps100, ctl::CGaugeRpm,
          ctl::LabelPocetProgramovani, ctl::CheckBoxTpsMapa, ctl::UpDownPrivHyster,
          ctl::CSpinButton11, ctl::CheckBoxServoAll, ctl::LabelMonSnimac1})
        controls_.setVisible(id(name), shown);
    for (std::size_t i = 0; i < index_.servoRpmUpDowns.size(); ++i) {
        controls_.setVisible(index_.servoRpmUpDowns[i], shown);
        controls_.setVisible(index_.servoMvUpDowns[i], shown);
    }
    controls_.setVisible(id(ctl::CGaugeTps), shown && controls_.checked(id(ctl::CheckBoxTpsMapa)));

    const Image& im = session_.image();
    const bool servo = im[SERVO_ENABLE] != 0;
    controls_.setVisible(id(ctl::GroupBoxPrivera), servo);
    controls_.setEnabled(id(ctl::LabelPriveraPoz), servo);
    controls_.setEnabled(id(ctl::LabelPriveraMer), servo);

    const link::UnitInfo& unit = session_.unit();
    controls_.setCaption(id(ctl::LabelVerze1), unit.name);
    controls_.setCaption(id(ctl::LabelVerze2), unit.date);
    controls_.setCaption(id(ctl::LabelVerze3), unit.time);

    bool specialOutput = false;
    for (int n = 0; n < kPowerOutputs; ++n) specialOutput |= im[powerOutMode(n)] == 4;
    controls_.setEnabled(id(ctl::LabelTpsMon),
                         controls_.checked(id(ctl::CheckBoxTpsMapa)) || specialOutput);
}

void LayoutRules::bikePage() {
    const Image& im = session_.image();
    const std::uint8_t method = im[SYNC_METHOD];
    const bool special = controls_.itemIndex(id(ctl::ComboBoxBike)) == kSpecialBike;
    const bool m0 = controls_.itemIndex(id(ctl::ComboBoxSynchro)) == 0;
    const bool pickup2Method = method == 4 || method == 6 || method == 10 || m0;
    const bool camMethod = method == 7 || method == 12 || method == 13;
    const bool harley = method == kSyncHarley;
    const bool method48 = method == kSyncTwoPolarities;

    auto enable = [this](std::initializer_list<ui::ControlName> names, bool on) {
        for (ui::ControlName name : names) controls_.setEnabled(id(name), on);
    };
    auto show = [this](std::initializer_list<ui::ControlName> names, bool on) {
        for (ui::ControlName name : names) controls_.setVisible(id(name), on);
    };

    enable(
        {ctl::ComboBoxSynchro, ctl::ComboBoxNasobekPalcu, ctl::EditPocKanalu,   ctl::EditKompenz1,
         ctl::EditKompenz2,    ctl::GroupBoxSpecial,      ctl::GroupBoxPalec1,  ctl::GroupBoxPalec2,
         ctl::LabelLobe,       ctl::LabelHrana2,          ctl::LabelSnimac2,    ctl::LabelSynchro,
         ctl::LabelPocPalcu,   ctl::LabelPocKanalu,       ctl::LabelPalec1Zac,  ctl::LabelPalec1End,
         ctl::LabelPalec2Zac,  ctl::LabelPalec2End,       ctl::LabelPocSynchro, ctl::LabelKompenz},
        special);
    enable({ctl::EditPocPalcu, ctl::EditPalec1Zac, ctl::EditPalec1End, ctl::EditPalec2Zac,
            ctl::EditPalec2End},
           special && !m0);
    enable({ctl::CheckBoxPalec1ZacH2, ctl::CheckBoxPalec1EndH2, ctl::CheckBoxPalec2ZacH2,
            ctl::CheckBoxPalec2EndH2, ctl::CheckBoxPalec1ZacP2, ctl::CheckBoxPalec1EndP2,
            ctl::CheckBoxPalec2ZacP2, ctl::CheckBoxPalec2EndP2},
           special && !method48);
    show({ctl::UpDownKompenz1, ctl::UpDownKompenz2, ctl::CheckBoxSpecStart,
          ctl::CheckBoxNehlidaPalec},
         special);
    show({ctl::LabelKompenz}, mode_.testMode);
    show({ctl::RadioGroupPickup2Polarita}, pickup2Method || camMethod);
    show({ctl::CheckBoxPalec1ZacP2, ctl::CheckBoxPalec1EndP2, ctl::CheckBoxPalec2ZacP2,
          ctl::CheckBoxPalec2EndP2},
         pickup2Method);
    show({ctl::UpDownPocPalcu}, special && !m0 && !harley);
    show({ctl::UpDownPocKanalu}, special && !harley);
    show({ctl::UpDownPalec1Zac, ctl::UpDownPalec1End, ctl::UpDownPalec2Zac, ctl::UpDownPalec2End},
         special && !m0);
    show({ctl::GroupBoxPalec2, ctl::LabelAdvance2}, im[CHANNEL_COUNT] >= 2);
    show({ctl::LabelMonSnimac2}, method == 0 || method == 4 || method == 6);
    show({ctl::CheckBoxCrossBlock, ctl::CheckBoxPredPalec}, special && m0);
}

void LayoutRules::inputsPage() {
    const Image& im = session_.image();
    const std::uint8_t in1 = im[INPUT1_FUNCTION];
    const std::uint8_t in2 = im[INPUT2_FUNCTION];
    const bool clutch = in1 == 2 || in2 == 2;
    const bool retard = in1 == 3 || in2 == 3;
    const bool startLimiter = in1 == 4 || in2 == 4;
    const bool notPrinting = !mode_.printLayout;

    controls_.setEnabled(id(ctl::LabelKillSwitch), in1 == 1);
    controls_.setEnabled(id(ctl::LabelBlocking1), in2 == 1);
    for (ui::ControlName name : {ctl::LabelClutchMon, ctl::EditClutchTime, ctl::LabelClutchTime,
                                 ctl::EditClutchPause, ctl::LabelClutchPause})
        controls_.setEnabled(id(name), clutch);
    controls_.setVisible(id(ctl::UpDownClutchTime), clutch && notPrinting);
    controls_.setVisible(id(ctl::UpDownClutchPause), clutch && notPrinting);
    for (ui::ControlName name : {ctl::LabelMonRetard, ctl::EditRetard, ctl::LabelRetard})
        controls_.setEnabled(id(name), retard);
    controls_.setVisible(id(ctl::UpDownRetard), retard && notPrinting);
    for (ui::ControlName name : {ctl::LabelMonStartLimiterOut, ctl::EditOmez1, ctl::LabelOmez1,
                                 ctl::EditStartLimiterPause, ctl::LabelStartLimiterPause})
        controls_.setEnabled(id(name), startLimiter);
    controls_.setVisible(id(ctl::UpDownOmez1), startLimiter && notPrinting);
    controls_.setVisible(id(ctl::UpDownStartLimiterPause), startLimiter && notPrinting);
}

void LayoutRules::liveLabels() {
    const Image& im = session_.image();
    for (int n = 0; n < kPowerOutputs; ++n)
        controls_.setEnabled(index_.powerOutMonitorLabels[static_cast<std::size_t>(n)],
                             im[powerOutMode(n)] != 0);
    for (ui::ControlId button : index_.testButtons)
        controls_.setEnabled(button, !session_.live().running);
}

void LayoutRules::powerOutPage() {
    const Image& im = session_.image();
    for (int n = 0; n < kPowerOutputs; ++n) {
        const int mode = im[powerOutMode(n)];
        const design::PowerOutControls& p = index_.powerOuts[static_cast<std::size_t>(n)];
        controls_.setVisible(p.mapGroup, mode >= 2);
        controls_.setVisible(p.tpsLabel, mode >= 3);

        const bool rpmShown[3] = {true, mode >= 3, mode >= 4};
        const bool tpsShown[2] = {mode >= 3, mode >= 4};
        for (std::size_t j = 0; j < 3; ++j) {
            controls_.setVisible(p.rpmEdits[j], rpmShown[j]);
            controls_.setVisible(p.rpmUpDowns[j], rpmShown[j]);
            controls_.setVisible(p.verticalSeparators[j], rpmShown[j]);
        }
        for (std::size_t j = 0; j < 2; ++j) {
            controls_.setVisible(p.tpsEdits[j], tpsShown[j]);
            controls_.setVisible(p.tpsUpDowns[j], tpsShown[j]);
            controls_.setVisible(p.horizontalSeparators[j], tpsShown[j]);
        }

        const std::optional<ZoneRows> fixed = fixedZoneRows(static_cast<std::uint8_t>(mode));
        for (int row = 0; row < 3; ++row) {
            for (int c = 0; c < 4; ++c) {
                const ui::ControlId box = p.zones[static_cast<std::size_t>(4 * row + c)];
                bool visible = false;
                if (row == 0 && c <= 1)
                    visible = mode >= 2;
                else if (row <= 1 && c <= 2)
                    visible = mode >= 3;
                else
                    visible = mode >= 4;
                controls_.setVisible(box, visible);
                controls_.setEnabled(box, mode >= 4);
                if (fixed)
                    controls_.setChecked(box, ((*fixed)[static_cast<std::size_t>(row)] >> c) & 1);
            }
        }
    }
}

// The advance-map grid: all ten throttle rows, or the single speed-only row
// in the first row's place when the TPS map is off.
void LayoutRules::grid() {
    const bool mapMode = graphs_.mode() == graphs::GraphMode::Map;
    const bool allRows = controls_.checked(id(ctl::CheckBoxTpsMapa)) && mapMode;
    const bool editing = !mode_.printLayout;

    for (int r = 0; r < kMapRows; ++r) {
        controls_.setVisible(index_.tpsLabels[static_cast<std::size_t>(r)], allRows);
        const bool rowShown = r == kMapRows - 1 ? mapMode : allRows;
        for (int c = 0; c < kMapColumns; ++c) {
            const auto k = static_cast<std::size_t>(10 * r + c);
            controls_.setVisible(index_.cellEdits[k], rowShown);
            controls_.setVisible(index_.cellUpDowns[k], rowShown && editing);
        }
    }
    // The 100 % row sits in its own place with all rows, else in the first.
    const int lastRowTop =
        controls_.at(index_.tpsLabels[allRows ? kMapRows - 1 : 0]).bounds.top - 4;
    for (std::size_t c = 0; c < kMapColumns; ++c) {
        controls_.setTop(index_.cellEdits[90 + c], lastRowTop);
        controls_.setTop(index_.cellUpDowns[90 + c], lastRowTop);
    }
    for (std::size_t c = 0; c < kMapColumns; ++c) {
        controls_.setVisible(index_.rpmEdits[c], mapMode);
        controls_.setVisible(index_.rpmUpDowns[c], mapMode && editing);
        controls_.setVisible(index_.columnSpins[c], allRows && editing);
    }
    controls_.setVisible(id(ctl::LabelRpmAdv), mapMode);
}

}  // namespace tz::presenter
