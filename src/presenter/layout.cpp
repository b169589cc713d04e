// Visibility, enabled state and colours of the controls, derived anew from
// the image and the window's state at every refresh.
#include <string>

#include "presenter/field_bindings.h"
#include "presenter/main_window.h"

namespace tz {

using namespace field;
using ui::Colour;

void MainWindow::RefreshLayout() {
    layoutColours();
    layoutPrintHidden();
    layoutBikePage();
    layoutInputsPage();
    layoutLiveLabels();
    PowerOutLayout();
    layoutGrid();
    layoutGraphs();
}

void MainWindow::ChangeSheet() {
    RefreshLayout();
}

void MainWindow::layoutColours() {
    controls_.setColour(id("TFormHlav"), binding_.printLayout ? Colour::White : Colour::ButtonFace);
    const ui::ControlId prog = id("CheckBoxProgHned");
    controls_.setColour(prog, controls_.checked(prog) ? Colour::Red : Colour::ButtonFace);
}

void MainWindow::layoutPrintHidden() {
    const bool shown = !binding_.printLayout;
    for (const char* name :
         {"CheckBoxProgHned", "StatusBar1", "GroupBoxToolBar", "UpDownBaseAdv", "UpDownOmez2",
          "CSpinButtonAll", "CheckBoxIgnAll", "UpDownTps0", "UpDownTps100", "BitBtnTps0",
          "BitBtnTps100", "CGaugeRpm", "LabelPocetProgramovani", "CheckBoxTpsMapa",
          "UpDownPrivHyster", "CSpinButton11", "CheckBoxServoAll", "LabelMonSnimac1"})
        controls_.setVisible(id(name), shown);
    for (int i = 1; i <= kAxisPoints; ++i) {
        controls_.setVisible(id("UpDownRpmPriv" + std::to_string(i)), shown);
        controls_.setVisible(id("UpDownNapPriv" + std::to_string(i)), shown);
    }
    controls_.setVisible(id("CGaugeTps"), shown && controls_.checked(id("CheckBoxTpsMapa")));

    const bool servo = params_.image[SERVO_ENABLE] != 0;
    controls_.setVisible(id("GroupBoxPrivera"), servo);
    controls_.setEnabled(id("LabelPriveraPoz"), servo);
    controls_.setEnabled(id("LabelPriveraMer"), servo);

    const link::UnitInfo& unit = link_->unitInfo();
    controls_.setCaption(id("LabelVerze1"), unit.name);
    controls_.setCaption(id("LabelVerze2"), unit.date);
    controls_.setCaption(id("LabelVerze3"), unit.time);

    bool specialOutput = false;
    for (int n = 0; n < kPowerOutputs; ++n) specialOutput |= params_.image[powerOutMode(n)] == 4;
    controls_.setEnabled(id("LabelTpsMon"),
                         controls_.checked(id("CheckBoxTpsMapa")) || specialOutput);
}

void MainWindow::layoutBikePage() {
    const Image& im = params_.image;
    const std::uint8_t method = im[SYNC_METHOD];
    const bool special = controls_.itemIndex(id("ComboBoxBike")) == 6;
    const bool m0 = controls_.itemIndex(id("ComboBoxSynchro")) == 0;
    const bool pickup2Method = method == 4 || method == 6 || method == 10 || m0;
    const bool camMethod = method == 7 || method == 12 || method == 13;
    const bool harley = method == kSyncHarley;
    const bool method48 = method == kSyncTwoPolarities;

    auto enable = [this](std::initializer_list<const char*> names, bool on) {
        for (const char* name : names) controls_.setEnabled(id(name), on);
    };
    auto show = [this](std::initializer_list<const char*> names, bool on) {
        for (const char* name : names) controls_.setVisible(id(name), on);
    };

    enable({"ComboBoxSynchro", "ComboBoxNasobekPalcu", "EditPocKanalu",   "EditKompenz1",
            "EditKompenz2",    "GroupBoxSpecial",      "GroupBoxPalec1",  "GroupBoxPalec2",
            "LabelLobe",       "LabelHrana2",          "LabelSnimac2",    "LabelSynchro",
            "LabelPocPalcu",   "LabelPocKanalu",       "LabelPalec1Zac",  "LabelPalec1End",
            "LabelPalec2Zac",  "LabelPalec2End",       "LabelPocSynchro", "LabelKompenz"},
           special);
    enable({"EditPocPalcu", "EditPalec1Zac", "EditPalec1End", "EditPalec2Zac", "EditPalec2End"},
           special && !m0);
    enable({"CheckBoxPalec1ZacH2", "CheckBoxPalec1EndH2", "CheckBoxPalec2ZacH2",
            "CheckBoxPalec2EndH2", "CheckBoxPalec1ZacP2", "CheckBoxPalec1EndP2",
            "CheckBoxPalec2ZacP2", "CheckBoxPalec2EndP2"},
           special && !method48);
    show({"UpDownKompenz1", "UpDownKompenz2", "CheckBoxSpecStart", "CheckBoxNehlidaPalec"},
         special);
    show({"LabelKompenz"}, shell_.testMode);
    show({"RadioGroupPickup2Polarita"}, pickup2Method || camMethod);
    show({"CheckBoxPalec1ZacP2", "CheckBoxPalec1EndP2", "CheckBoxPalec2ZacP2",
          "CheckBoxPalec2EndP2"},
         pickup2Method);
    show({"UpDownPocPalcu"}, special && !m0 && !harley);
    show({"UpDownPocKanalu"}, special && !harley);
    show({"UpDownPalec1Zac", "UpDownPalec1End", "UpDownPalec2Zac", "UpDownPalec2End"},
         special && !m0);
    show({"GroupBoxPalec2", "LabelAdvance2"}, im[CHANNEL_COUNT] >= 2);
    show({"LabelMonSnimac2"}, method == 0 || method == 4 || method == 6);
    show({"CheckBoxCrossBlock", "CheckBoxPredPalec"}, special && m0);
}

void MainWindow::layoutInputsPage() {
    const Image& im = params_.image;
    const std::uint8_t in1 = im[INPUT1_FUNCTION];
    const std::uint8_t in2 = im[INPUT2_FUNCTION];
    const bool either[5] = {false, false, in1 == 2 || in2 == 2, in1 == 3 || in2 == 3,
                            in1 == 4 || in2 == 4};
    const bool notPrinting = !binding_.printLayout;

    controls_.setEnabled(id("LabelKillSwitch"), in1 == 1);
    controls_.setEnabled(id("LabelBlocking1"), in2 == 1);
    for (const char* name : {"LabelClutchMon", "EditClutchTime", "LabelClutchTime",
                             "EditClutchPause", "LabelClutchPause"})
        controls_.setEnabled(id(name), either[2]);
    controls_.setVisible(id("UpDownClutchTime"), either[2] && notPrinting);
    controls_.setVisible(id("UpDownClutchPause"), either[2] && notPrinting);
    for (const char* name : {"LabelMonRetard", "EditRetard", "LabelRetard"})
        controls_.setEnabled(id(name), either[3]);
    controls_.setVisible(id("UpDownRetard"), either[3] && notPrinting);
    for (const char* name : {"LabelMonStartLimiterOut", "EditOmez1", "LabelOmez1",
                             "EditStartLimiterPause", "LabelStartLimiterPause"})
        controls_.setEnabled(id(name), either[4]);
    controls_.setVisible(id("UpDownOmez1"), either[4] && notPrinting);
    controls_.setVisible(id("UpDownStartLimiterPause"), either[4] && notPrinting);
}

void MainWindow::layoutLiveLabels() {
    for (int n = 0; n < kPowerOutputs; ++n)
        controls_.setEnabled(id("LabelMonPOut" + std::to_string(n + 1)),
                             params_.image[powerOutMode(n)] != 0);
    for (const char* name :
         {"ButtonTestIgn1", "ButtonTestIgn2", "ButtonTestPOut1", "ButtonTestPOut2",
          "ButtonTestPOut3", "ButtonTestRpm", "ButtonTestServoPlus", "ButtonTestServoMinus"})
        controls_.setEnabled(id(name), !link_->live().running);
}

}  // namespace tz
