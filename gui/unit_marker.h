// The marker of a control whose value the unit holds otherwise: a small
// triangle in the control's top-left corner, over its own colours and text.
#pragma once

class QWidget;

namespace tz::gui {

// Shows or hides the marker on the widget.
void showUnitMarker(QWidget& widget, bool marked);

}  // namespace tz::gui
