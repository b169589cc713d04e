// The look of the program independent of the desktop theme: the Fusion
// style with its own light palette and a compact sans-serif font, so that
// the window's pixel layout and colours come out the same everywhere.
#pragma once

namespace tz::gui {

// Call once after the QApplication exists, before any window is built.
void applyApplicationLook();

}  // namespace tz::gui
