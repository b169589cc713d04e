#include "gui/conversions.h"

#include <QApplication>
#include <QPalette>

namespace tz::gui {

QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QRect toQRect(const ui::Rect& rect) {
    return {rect.left, rect.top, rect.width, rect.height};
}

QColor toQColor(ui::Colour colour, const QPalette& system) {
    switch (colour) {
        case ui::Colour::ButtonFace:
            return system.color(QPalette::Active, QPalette::Button);
        case ui::Colour::Window:
            return system.color(QPalette::Active, QPalette::Base);
        case ui::Colour::Desktop:
            return {0x00, 0x60, 0x68};
        case ui::Colour::White:
            return Qt::white;
        case ui::Colour::Black:
            return Qt::black;
        case ui::Colour::Red:
            return {0xFF, 0x00, 0x00};
        case ui::Colour::Yellow:
            return {0xFF, 0xFF, 0x00};
        case ui::Colour::Lime:
            return {0x00, 0xFF, 0x00};
        case ui::Colour::Green:
            return {0x00, 0x80, 0x00};
        case ui::Colour::Fuchsia:
            return {0xFF, 0x00, 0xFF};
        case ui::Colour::Aqua:
            return {0x00, 0xFF, 0xFF};
        case ui::Colour::Shade1:
            return {0xFF, 0xEE, 0xCC};
        case ui::Colour::Shade2:
            return {0xFF, 0xD4, 0x94};
        case ui::Colour::Shade3:
            return {0xFF, 0xB6, 0x5C};
        case ui::Colour::Shade4:
            return {0xFF, 0x90, 0x24};
        case ui::Colour::Finding:
            return {0xB0, 0x00, 0x00};
    }
    return Qt::black;
}

Qt::Alignment toQtAlignment(ui::Align align) {
    switch (align) {
        case ui::Align::Left:
            return Qt::AlignLeft;
        case ui::Align::Right:
            return Qt::AlignRight;
        case ui::Align::Center:
            return Qt::AlignHCenter;
    }
    return Qt::AlignLeft;
}

QFont toQFont(const ui::Font& font) {
    QFont f = QApplication::font();
    f.setPixelSize(font.pixelHeight);
    f.setBold(font.bold);
    return f;
}

QString withoutAccessKeys(std::string_view caption) {
    std::string plain;
    plain.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != '&') {
            plain += caption[i];
        } else if (i + 1 < caption.size() && caption[i + 1] == '&') {
            plain += '&';
            ++i;
        }
    }
    return toQString(plain);
}

std::string_view shortHint(std::string_view hint) {
    return hint.substr(0, hint.find('|'));
}

std::string_view longHint(std::string_view hint) {
    const std::size_t bar = hint.find('|');
    return bar == std::string_view::npos ? hint : hint.substr(bar + 1);
}

}  // namespace tz::gui
