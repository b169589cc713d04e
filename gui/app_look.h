// The look of the program. By default its own, independent of the desktop
// theme: Qt's classic bevelled "Windows" style with its own light palette
// and a compact sans-serif font, so that the window's pixel layout (group
// titles on the frame, 21-pixel edit boxes) and colours come out the same
// everywhere. On request the desktop's: the style Qt chose (QT_STYLE_OVERRIDE
// or the platform theme's), its palette and its font family at the window's
// pixel sizes; then colours that carry meaning are made readable on the
// palette (readableText, readableMark).
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>

namespace tz::gui {

enum class Look { Designed, Desktop };

// What the desktop gives the program before it sets its own look.
struct DesktopLook {
    QString style;
    QPalette palette;
    QFont font;
};

// Sets the application's look; call after the QApplication exists. The
// first call remembers the desktop's look as Qt found it.
void applyApplicationLook(Look look = Look::Designed);
Look applicationLook();

// Replaces the remembered desktop look (a dark desktop in tests); applied by
// the next applyApplicationLook(Look::Desktop).
void rememberDesktopLook(const DesktopLook& desktop);

// A text colour as shown on the background: itself in the designed look,
// in the desktop's look moved until it reads well on it.
QColor readableText(const QColor& wanted, const QColor& background);
// The same for a mark (a picture, not text) on the background.
QColor readableMark(const QColor& wanted, const QColor& background);

}  // namespace tz::gui
