// Steps of the start-up, shut-down and edit sequences whose subsystems are
// not part of this window yet: the serial link.
#include "app/window/main_window.h"

namespace tz {

void MainWindow::OpenPort() {}
void MainWindow::ClosePort() {}
// Without a link, programming shows its start and goes no further.
void MainWindow::StartProgramming() {
    link_.state = 1;
    ShowMessageLine(messages_[texts::Msg::MsgProgramDevice], ui::Colour::ButtonFace);
    const ui::ControlId gauge = id("CGaugeProgram");
    controls_.setPosition(gauge, 0);
    controls_.setVisible(gauge, true);
}

}  // namespace tz
