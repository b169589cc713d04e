// The look of the program independent of the desktop theme: Qt's classic
// bevelled "Windows" style with its own light palette and a compact
// sans-serif font, so that the window's pixel layout (group titles on the
// frame, 21-pixel edit boxes) and colours come out the same everywhere.
#pragma once

namespace tz::gui {

// Call once after the QApplication exists, before any window is built.
void applyApplicationLook();

}  // namespace tz::gui
