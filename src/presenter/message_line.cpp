// The message line: progress and results of the last operation, shown for
// 200 ticks after they were last written.
#include "presenter/main_window.h"

namespace tz {

void MainWindow::ShowMessageLine(std::string_view text, ui::Colour colour) {
    const ui::ControlId line = id("LabelHlaseni");
    controls_.setColour(line, colour);
    controls_.setCaption(line, text);
    messageLine_.countdown = kMessageLineTicks;
    controls_.setVisible(line, true);
}

bool MainWindow::TickMessageLine() {
    const ui::ControlId line = id("LabelHlaseni");
    if (messageLine_.countdown > 0) {
        --messageLine_.countdown;
        if (!binding_.printLayout) controls_.setVisible(line, true);
        return true;
    }
    controls_.setVisible(line, false);
    controls_.setVisible(id("CGaugeProgram"), false);
    return false;
}

}  // namespace tz
