#include "gui/app_look.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <optional>

#include "canvas/contrast.h"

namespace tz::gui {
namespace {

std::optional<DesktopLook>& desktopLook() {
    static std::optional<DesktopLook> look;
    return look;
}

Look& currentLook() {
    static Look look = Look::Designed;
    return look;
}

void rememberOnce() {
    if (desktopLook()) return;
    desktopLook() =
        DesktopLook{QApplication::style()->name(), QApplication::palette(), QApplication::font()};
}

graphs::Rgb toRgb(const QColor& c) {
    return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
            static_cast<std::uint8_t>(c.blue())};
}

QColor readable(const QColor& wanted, const QColor& background, double minimum) {
    if (currentLook() == Look::Designed) return wanted;
    const graphs::Rgb c = graphs::readableOn(toRgb(wanted), toRgb(background), minimum);
    return {c.r, c.g, c.b};
}

}  // namespace

void applyApplicationLook(Look look) {
    rememberOnce();
    currentLook() = look;
    if (look == Look::Desktop) {
        const DesktopLook& desktop = *desktopLook();
        if (QStyle* style = QStyleFactory::create(desktop.style)) QApplication::setStyle(style);
        QApplication::setPalette(desktop.palette);
        QApplication::setFont(desktop.font);
        return;
    }
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    QApplication::setPalette(QApplication::style()->standardPalette());
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    QApplication::setFont(font);
}

Look applicationLook() {
    return currentLook();
}

void rememberDesktopLook(const DesktopLook& desktop) {
    desktopLook() = desktop;
}

QColor readableText(const QColor& wanted, const QColor& background) {
    return readable(wanted, background, graphs::kTextContrast);
}

QColor readableMark(const QColor& wanted, const QColor& background) {
    return readable(wanted, background, graphs::kMarkContrast);
}

}  // namespace tz::gui
