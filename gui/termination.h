// Ending the program cleanly from outside: SIGTERM and SIGINT close the
// window as the close box does, so the settings and the image are saved.
// While another dialog is open the user is not asked before closing, and
// the open dialogs close with the window.
#pragma once

class QMainWindow;

namespace tz::gui {

// Turns the signals into a close of the window on the GUI thread.
void closeOnTerminationSignals(QMainWindow& window);

}  // namespace tz::gui
