// Ending the program cleanly from outside: SIGTERM and SIGINT close the
// window as the close box does, so the settings and the image are saved.
// A signal that comes while a dialog is open closes the dialogs, then the
// window without asking the user.
#pragma once

class QMainWindow;

namespace tz::gui {

// Turns the signals into a close of the window on the GUI thread.
void closeOnTerminationSignals(QMainWindow& window);
// A signal came while a dialog was open: the window closes without asking.
bool closingUnattended();

}  // namespace tz::gui
