// The status bar control as fixed-width text panels of the window's
// QStatusBar.
#pragma once

#include <functional>

#include "controls/control.h"

class QStatusBar;

namespace tz::gui {

// Makes one panel per item with the item's text, its width from
// `panelWidths`, its alignment from `panelAlignments` and its tool tip from
// `panelHints`; the bar takes the control's height, font and visibility. A
// click on a panel calls `clicked` with its index.
void mirrorStatusBar(const ui::Control& control, QStatusBar& bar,
                     const std::function<void(int panel)>& clicked);

}  // namespace tz::gui
