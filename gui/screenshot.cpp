#include "gui/screenshot.h"

#include <QPixmap>
#include <QWidget>

namespace tz::gui {

bool saveScreenshot(QWidget& widget, const QString& path) {
    return widget.grab().save(path, "PNG");
}

}  // namespace tz::gui
