// The program's name as the desktop and Qt know it.
//
// No application display name is set: Qt appends it to the title of every
// window and box ("Error — TZ_ARKO5"), while the titles are to be exactly
// the captions the window's logic gives. The application name carries the
// product name instead; Qt falls back to it for a window without a title,
// and the message boxes that have no caption of their own show it.
#pragma once

namespace tz::gui {

// Call once after the QApplication exists, before any window is built.
void applyApplicationIdentity();

}  // namespace tz::gui
