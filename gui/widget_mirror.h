// Brings a control's widget in line with its record in the model.
#pragma once

#include <QColor>
#include <optional>

#include "controls/control.h"

class QWidget;

namespace tz::gui {

class AccessKeys;

// Updates the widget made by createWidget() for the control. Signals of the
// widget are blocked meanwhile, and an edit box's text (with its cursor) is
// left alone unless it differs. Captions get the access keys that `keys`
// leaves them.
void mirrorWidget(const ui::Control& control, QWidget& widget, const AccessKeys& keys);

// Fills the widget's background with the colour, or lets its parent show
// through when there is none.
void setBackground(QWidget& widget, std::optional<QColor> colour);

}  // namespace tz::gui
