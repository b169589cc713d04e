// The desktop's keys for turning the pages of a tab widget, in addition to
// the window's own shortcuts: Ctrl+Tab and Ctrl+PgDn show the next page,
// Ctrl+Shift+Tab and Ctrl+PgUp the previous one, wherever the focus is in
// the window. Hidden and disabled pages are skipped, and the turn wraps
// around at either end. The page changes as a click on its tab changes it,
// so the tab widget reports the change as usual.
#pragma once

#include <functional>

class QTabWidget;
class QWidget;

namespace tz::gui {

// `pages` names the tab widget the keys turn at the moment of the press
// (null for none).
void installPageKeys(QWidget& window, std::function<QTabWidget*()> pages);

}  // namespace tz::gui
