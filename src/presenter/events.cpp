// The wiring of user events to the window's handlers.
#include <algorithm>
#include <string>

#include "presenter/field_bindings.h"
#include "presenter/main_window.h"

namespace tz {

namespace {

bool startsWith(const std::string& s, std::string_view prefix) {
    return s.rfind(prefix, 0) == 0;
}

// Edit boxes and up/downs whose values wait for the next read of any kind:
// they commit only on Enter, or not at all.
constexpr std::string_view kEnterOnlyEdits[] = {"EditStartLimiterPause", "EditTestRpm",
                                                "EditTestServo"};
constexpr std::string_view kSilentUpDowns[] = {"UpDownStartLimiterPause", "UpDownTestRpm",
                                               "UpDownTestServo"};

bool isRunTimeEdit(const std::string& name) {
    return startsWith(name, "EditPOutRpm") || startsWith(name, "EditPOutTps");
}

}  // namespace

bool MainWindow::isParameterUpDown(ui::ControlId upDown) const {
    const std::string& name = controls_.at(upDown).name;
    return std::find(std::begin(kSilentUpDowns), std::end(kSilentUpDowns), name) ==
           std::end(kSilentUpDowns);
}

bool MainWindow::isParameterEdit(ui::ControlId edit) const {
    const std::string& name = controls_.at(edit).name;
    return std::find(std::begin(kEnterOnlyEdits), std::end(kEnterOnlyEdits), name) ==
           std::end(kEnterOnlyEdits);
}

bool MainWindow::isParameterCheckBox(ui::ControlId checkBox) const {
    const std::string& name = controls_.at(checkBox).name;
    if (startsWith(name, "CheckBoxPOut") || name == "CheckBoxProgHned" ||
        name == "CheckBoxCrossBlock" || name == "CheckBoxPredPalec")
        return true;
    for (const CheckBoxBinding& b : checkBoxBindings())
        if (b.checkBox == name) return true;
    return false;
}

void MainWindow::upDownClicked(ui::ControlId upDown, int) {
    if (binding_.busy || !isParameterUpDown(upDown)) return;
    ReadControls();
    CommitEdit();
}

void MainWindow::editExited(ui::ControlId edit) {
    if (binding_.busy || !isParameterEdit(edit)) return;
    ReadControls();
    CommitEdit();
}

bool MainWindow::keyPressed(ui::ControlId edit, int key) {
    if (key != kKeyEnter) return false;
    const bool runTime = isRunTimeEdit(controls_.at(edit).name);
    if (binding_.busy && !runTime) return false;
    controls_.requestFocusNext(edit);
    ReadControls();
    CommitEdit();
    return true;
}

void MainWindow::checkBoxReleased(ui::ControlId checkBox) {
    if (graphViewEvent(checkBox)) return;
    if (binding_.busy || !isParameterCheckBox(checkBox)) return;
    ReadControls();
    RefreshLayout();
    CommitEdit();
}

void MainWindow::radioClicked(ui::ControlId radioGroup, int index) {
    if (binding_.busy) return;
    const std::string& name = controls_.at(radioGroup).name;
    if (name == "RadioGroupGraphMode") return graphModeClicked(index);
    const std::pair<std::string_view, int> fields[] = {
        {"RadioGroupInput1", field::INPUT1_FUNCTION},
        {"RadioGroupInput2", field::INPUT2_FUNCTION},
        {"RadioGroupPickup1Polarita", field::PICKUP1_POLARITY},
        {"RadioGroupPickup2Polarita", field::PICKUP2_POLARITY},
    };
    for (auto [group, byte] : fields) {
        if (name != group) continue;
        params_.image[byte] = encoding::byteOf(index);
        RecordChange();
        RefreshLayout();
        return;
    }
    for (int n = 0; n < kPowerOutputs; ++n) {
        if (name != powerOutRadioName(n)) continue;
        params_.image[powerOutMode(n)] = encoding::byteOf(index);
        RecordChange();
        RefreshLayout();
        return;
    }
}

void MainWindow::comboChanged(ui::ControlId comboBox, int) {
    const std::string& name = controls_.at(comboBox).name;
    if (name == "ComboBoxNasobekPalcu") editExited(comboBox);
    if (name == "ComboBoxBike" || name == "ComboBoxSynchro") ComboBoxBikeChange();
}

void MainWindow::clicked(ui::ControlId control) {
    if (graphViewEvent(control)) return;
    const std::string& name = controls_.at(control).name;
    const std::pair<std::string_view, void (MainWindow::*)()> commands[] = {
        {"MenuNew", &MainWindow::MenuNewClick},
        {"SpeedButton6", &MainWindow::MenuNewClick},
        {"MenuOpenExeDir", &MainWindow::MenuOpenExeDirClick},
        {"MenuSaveExeDir", &MainWindow::MenuSaveExeDirClick},
        {"MenuZpet", &MainWindow::SpeedButtonZpetClick},
        {"SpeedButtonZpet", &MainWindow::SpeedButtonZpetClick},
        {"MenuZnovu", &MainWindow::SpeedButtonZnovuClick},
        {"SpeedButtonZnovu", &MainWindow::SpeedButtonZnovuClick},
        {"BitBtnTps0", &MainWindow::BitBtnTps0Click},
        {"BitBtnTps100", &MainWindow::BitBtnTps100Click},
        {"MenuPrint", &MainWindow::PrintPage},
        {"SpeedButtonPrint", &MainWindow::PrintPage},
        {"MenuPrintAll", &MainWindow::PrintAllPages},
        {"MenuContens", &MainWindow::OpenManual},
        {"MenuAbout", &MainWindow::MenuAboutClick},
        {"MenuInterpol", &MainWindow::MenuToolsInterpolOnClick},
    };
    for (auto [item, handler] : commands) {
        if (name == item) {
            (this->*handler)();
            return;
        }
    }
    if (name == "MenuOpen" || name == "SpeedButtonOpen") return MenuOpenClick(name != "MenuOpen");
    if (name == "MenuSave" || name == "SpeedButtonSave") return MenuSaveClick(name != "MenuSave");
    if (name == "AdvanceMinus" || name == "AdvancePlus")
        return mapShift(name == "AdvancePlus" ? 1 : -1);
    if (name == "MenuExit") return services_.host.closeWindow();
    if (name == "MenuRead" || name == "ButtonRead") return MenuReadClick();
    if (name == "MenuVerify" || name == "BitBtnVerify") return MenuVerifyClick();
    if (name == "MenuProgram" || name == "BitBtnProgram") return MenuProgramClick();
    for (std::size_t i = 0; i < index_.portItems.size(); ++i)
        if (control == index_.portItems[i]) return MenuCom1Click(static_cast<int>(i));
    for (ui::ControlId button : index_.testButtons)
        if (control == button) return ButtonTestClick(button);
    const std::pair<std::string_view, std::uint8_t> languages[] = {
        {"MenuEnglish", 0}, {"MenuGerman", 1}, {"MenuFrench", 2}, {"MenuCzech", 3}};
    for (auto [item, language] : languages) {
        if (name == item) {
            SetLanguage(language);
            return;
        }
    }
}

void MainWindow::spinClicked(ui::ControlId spinButton, int direction) {
    const std::string& name = controls_.at(spinButton).name;
    if (name == "CSpinButtonAll") return mapShift(direction);
    if (name == "CSpinButton11") return servoShift(direction);
    for (int c = 0; c < kMapColumns; ++c)
        if (spinButton == index_.columnSpins[c]) return columnShift(c, direction);
}

void MainWindow::pageChanged(ui::ControlId pageControl, int index) {
    controls_.userSetItemIndex(pageControl, index);
    ChangeSheet();
}

void MainWindow::trackBarChanged(ui::ControlId trackBar, int) {
    graphViewEvent(trackBar);
}

void MainWindow::mouseWheel(int delta, Modifiers) {
    graphArea_->MouseWheel(delta);
}

void MainWindow::hintChanged(std::string_view longHint) {
    controls_.setPanelText(id("StatusBar1"), 0, longHint);
}

void MainWindow::tick() {
    graphService();
    link_->tick();
    HighlightLiveCell();
    controls_.setPanelText(id("StatusBar1"), 4, link_->unitVersionLine());
}

void MainWindow::CommitEdit() {
    params_.normalise();
    ShowImage();
    ShowImage();
    RecordChange();
}

}  // namespace tz
