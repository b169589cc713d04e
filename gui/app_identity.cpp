#include "gui/app_identity.h"

#include <QGuiApplication>
#include <QIcon>

#include "platform/config_paths.h"

namespace tz::gui {

void applyApplicationIdentity() {
    QCoreApplication::setApplicationName(QString::fromLatin1(kProductName));
    // Links the windows to the installed desktop entry (tz_arko5.desktop),
    // for its icon and name in task bars.
    QGuiApplication::setDesktopFileName(QStringLiteral("tz_arko5"));
    // Every window's icon: the installed tz_arko5.svg of the icon theme.
    QGuiApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("tz_arko5")));
}

}  // namespace tz::gui
