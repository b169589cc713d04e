// The menu controls as the window's menu bar: submenus, items with access
// keys, shortcuts and check marks, and separators. F10 opens the first menu,
// so that the menus without an access key can be reached from the keyboard.
// A popup Menu is a context menu instead; its items' shortcuts are shown but
// act only while it is open, since the keys belong to the controls it serves.
#pragma once

#include <QObject>
#include <unordered_map>

#include "controls/control_model.h"

class QAction;
class QPoint;
class QMainWindow;
class QMenu;
class QMenuBar;
class QWidget;

namespace tz::gui {

class AccessKeys;
class HintTracker;
class UserInput;

class MenuBinding {
  public:
    MenuBinding(QMainWindow& window, const ui::ControlModel& model, const AccessKeys& keys,
                UserInput& input, HintTracker& hints, const QObject& receiver);

    // A Menu without a Menu parent is the menu bar, unless it is a popup;
    // other menus are submenus of their parent, items and separators are
    // appended to their parent.
    void create(ui::ControlId id);
    void mirror(const ui::Control& control, ui::ControlId id);
    // Shows a popup menu at a place on the screen.
    void popup(ui::ControlId menu, const QPoint& globalPos);

    // The action of a submenu, item or separator; null for the bar and for
    // controls that are not menus.
    QAction* action(ui::ControlId id) const;

  private:
    // The bar or submenu that holds the children of a menu control.
    QWidget* container(ui::ControlId menu) const;
    void watchHints(QWidget& menu);
    void openFirstMenu();

    QMainWindow& window_;
    const ui::ControlModel& model_;
    const AccessKeys& keys_;
    UserInput& input_;
    HintTracker& hints_;
    const QObject& receiver_;
    QMenuBar* bar_ = nullptr;
    ui::ControlId barId_ = ui::kNoControl;
    std::unordered_map<ui::ControlId, QMenu*> menus_;
    std::unordered_map<ui::ControlId, QAction*> actions_;
};

}  // namespace tz::gui
