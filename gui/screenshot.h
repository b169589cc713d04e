// Pictures of the window for tests and scripts.
#pragma once

#include <QString>

class QWidget;

namespace tz::gui {

// Renders the widget with its children (for the main window: its client
// area with menu and status bar, without the window manager's frame) into a
// PNG file. False when the file could not be written.
bool saveScreenshot(QWidget& widget, const QString& path);

}  // namespace tz::gui
