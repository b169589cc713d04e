// Creates the Qt widget of one control and connects its user signals.
#pragma once

#include "controls/control.h"

class QObject;
class QWidget;

namespace tz::gui {

class UserInput;

// The widget for a control of any kind but Window, StatusBar and the menu
// kinds, created under `parent`: the widget of the control's parent (for a
// tab sheet, the page control's tab widget). User actions on it reach
// `input` for as long as `receiver` lives.
QWidget* createWidget(ui::ControlId id, const ui::Control& control, QWidget& parent,
                      UserInput& input, const QObject& receiver);

}  // namespace tz::gui
