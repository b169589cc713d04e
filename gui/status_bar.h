// The status bar control as fixed-width text panels of the window's
// QStatusBar.
#pragma once

#include "controls/control.h"

class QStatusBar;

namespace tz::gui {

// Makes one panel per item with the item's text, its width from
// `panelWidths` and its alignment from `panelAlignments`; the bar takes the
// control's height, font and visibility.
void mirrorStatusBar(const ui::Control& control, QStatusBar& bar);

}  // namespace tz::gui
