// Conversions between the control model's plain values and Qt's.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <string>
#include <string_view>

#include "controls/control.h"

class QPalette;

namespace tz::gui {

QString toQString(std::string_view utf8);

QRect toQRect(const ui::Rect& rect);

// The system colours come from the palette: the button face is its button
// colour, the window colour its base colour.
QColor toQColor(ui::Colour colour, const QPalette& system);

Qt::Alignment toQtAlignment(ui::Align align);

// The application's font at the control's pixel height and weight.
QFont toQFont(const ui::Font& font);

// A caption for widgets that do not process access keys themselves: each
// "&" marking the next letter is dropped and "&&" becomes "&".
QString withoutAccessKeys(std::string_view caption);

// The parts of a "short|long" hint: the tool tip before the first bar and
// the status-bar text after it; a hint without a bar serves as both.
std::string_view shortHint(std::string_view hint);
std::string_view longHint(std::string_view hint);

}  // namespace tz::gui
