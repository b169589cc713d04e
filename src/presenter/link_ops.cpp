// The window's side of the link to the unit: its commands, the live
// highlight, and the operations the link cycle asks of the window.
#include <string>

#include "presenter/main_window.h"
#include "link/live_cell.h"

namespace tz {

void MainWindow::OpenPort() {
    link_->OpenPort();
    // Each port item names the device behind it.
    const std::vector<std::string> devices = link_->portDevices();
    for (std::size_t i = 0; i < devices.size() && i < index_.portItems.size() - 1; ++i)
        controls_.setHint(index_.portItems[i], devices[i]);
}

void MainWindow::ClosePort() {
    link_->ClosePort();
}

void MainWindow::StartProgramming() {
    link_->StartProgramming();
}
void MainWindow::MenuProgramClick() {
    link_->Program();
}
void MainWindow::MenuVerifyClick() {
    link_->Verify();
}

void MainWindow::MenuReadClick() {
    link_->Read();
    files_.current.clear();
    updateWindowCaption();
}

void MainWindow::MenuCom1Click(int index) {
    params_.outside.portIndex = static_cast<std::uint8_t>(index);
    link_->ChoosePort(index);
}

void MainWindow::ButtonTestClick(ui::ControlId button) {
    if (const std::optional<link::TestButton> test =
            link::TestButtonByName(controls_.at(button).name))
        link_->PressTestButton(*test);
}

void MainWindow::HighlightLiveCell() {
    const link::LiveCell cell = link::HighlightLiveCell(link_->live(), params_.image,
                                                        controls_.checked(id("CheckBoxTpsMapa")));
    // The colours follow from the cell alone; repaint them only when it moved.
    if (liveCellShown_ && cell == liveCell_) return;
    liveCell_ = cell;
    liveCellShown_ = true;
    for (const link::ControlColour& c : link::LiveCellColours(liveCell_))
        controls_.setColour(id(c.name), c.colour);
}

bool MainWindow::PrepareToSend() {
    if (binding_.busy) return false;
    ReadControls();
    params_.normalise();
    ShowImage();
    return true;
}

void MainWindow::NormaliseAndShow() {
    params_.normalise();
    ShowImage();
}

void MainWindow::ImageWasRead() {
    params_.normalise();
    ShowImage();
    PushHistory();
}

void MainWindow::SetMessageLineText(std::string_view text) {
    controls_.setCaption(id("LabelHlaseni"), text);
}

void MainWindow::ClearMessageLineCountdown() {
    messageLine_.countdown = 0;
}

void MainWindow::SetProgress(int maximum, int position) {
    const ui::ControlId gauge = id("CGaugeProgram");
    controls_.setMax(gauge, maximum);
    controls_.setPosition(gauge, position);
}

void MainWindow::ShowProgress() {
    controls_.setVisible(id("CGaugeProgram"), true);
}

void MainWindow::ShowMessageBox(std::string_view text) {
    services_.dialogs.showMessage(text);
}

void MainWindow::SetNotConnectedBanner(bool notConnected) {
    controls_.setVisible(id("LabelSpojeni"), notConnected && !binding_.printLayout);
    if (notConnected) controls_.setVisible(id("LabelVersion"), false);
}

void MainWindow::ShowPortLabel(std::string_view text) {
    controls_.setCaption(id("LabelCom"), text);
}

void MainWindow::CheckPortMenu(int portIndex) {
    for (std::size_t i = 0; i < index_.portItems.size(); ++i)
        controls_.setChecked(index_.portItems[i], static_cast<int>(i) == portIndex);
    binding_.printLayout = false;
}

void MainWindow::ShowMonitor(const link::MonitorDisplay& display) {
    for (const link::LabelUpdate& u : display.labels) {
        const ui::ControlId label = id(u.name);
        if (u.text) controls_.setCaption(label, *u.text);
        if (u.colour) controls_.setColour(label, *u.colour);
        if (u.visible) controls_.setVisible(label, *u.visible);
    }
    for (const link::GaugeUpdate& g : display.gauges) controls_.setPosition(id(g.name), g.position);
    // Test values show only in test mode; the servo labels follow its group.
    for (ui::ControlId label : index_.testLabels) controls_.setVisible(label, shell_.testMode);
    const bool servo = controls_.at(id("GroupBoxPrivera")).visible;
    controls_.setEnabled(id("LabelPriveraPoz"), servo);
    controls_.setEnabled(id("LabelPriveraMer"), servo);
}

}  // namespace tz
