#include "gui/menu_binding.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>

#include "gui/access_keys.h"
#include "gui/conversions.h"
#include "gui/hint_tracker.h"
#include "gui/user_input.h"

namespace tz::gui {

namespace {

ui::ControlId idOf(const QAction* action) {
    return action != nullptr ? action->data().toInt() : ui::kNoControl;
}

}  // namespace

MenuBinding::MenuBinding(QMainWindow& window, const ui::ControlModel& model, const AccessKeys& keys,
                         UserInput& input, HintTracker& hints, const QObject& receiver)
    : window_(window),
      model_(model),
      keys_(keys),
      input_(input),
      hints_(hints),
      receiver_(receiver) {}

QAction* MenuBinding::action(ui::ControlId id) const {
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

QWidget* MenuBinding::container(ui::ControlId menu) const {
    if (menu == barId_) return bar_;
    const auto it = menus_.find(menu);
    return it == menus_.end() ? nullptr : it->second;
}

void MenuBinding::watchHints(QWidget& menu) {
    // Highlighting an item shows its hint; leaving the items shows the hint
    // under the mouse again.
    auto hovered = [this](QAction* item) { hints_.menuHovered(idOf(item)); };
    auto closed = [this] { hints_.menuHovered(ui::kNoControl); };
    if (auto* bar = qobject_cast<QMenuBar*>(&menu)) {
        QObject::connect(bar, &QMenuBar::hovered, &receiver_, hovered);
    } else {
        auto* submenu = static_cast<QMenu*>(&menu);
        QObject::connect(submenu, &QMenu::hovered, &receiver_, hovered);
        QObject::connect(submenu, &QMenu::aboutToHide, &receiver_, closed);
    }
}

void MenuBinding::openFirstMenu() {
    if (bar_ == nullptr || !bar_->isVisible()) return;
    for (QAction* entry : bar_->actions()) {
        if (entry->isVisible() && entry->isEnabled() && entry->menu() != nullptr) {
            bar_->setActiveAction(entry);
            return;
        }
    }
}

void MenuBinding::popup(ui::ControlId menu, const QPoint& globalPos) {
    const auto it = menus_.find(menu);
    if (it != menus_.end() && model_.at(menu).popup) it->second->popup(globalPos);
}

void MenuBinding::create(ui::ControlId id) {
    const ui::Control& c = model_.at(id);
    const bool inMenu = c.parent != ui::kNoControl && model_.at(c.parent).kind == ui::Kind::Menu;
    if (c.kind == ui::Kind::Menu && c.popup) {
        auto* menu = new QMenu(&window_);
        menus_.emplace(id, menu);
        watchHints(*menu);
        return;
    }
    if (c.kind == ui::Kind::Menu && !inMenu) {
        bar_ = window_.menuBar();
        barId_ = id;
        watchHints(*bar_);
        hints_.watch(*bar_, id);
        auto* f10 = new QAction(&window_);
        f10->setShortcut(Qt::Key_F10);
        f10->setShortcutContext(Qt::WindowShortcut);
        window_.addAction(f10);
        QObject::connect(f10, &QAction::triggered, &receiver_, [this] { openFirstMenu(); });
        return;
    }
    QWidget* parent = inMenu ? container(c.parent) : nullptr;
    if (parent == nullptr) return;

    QAction* action = nullptr;
    if (c.kind == ui::Kind::Menu) {
        auto* menu = new QMenu(parent);
        action = menu->menuAction();
        parent->addAction(action);
        menus_.emplace(id, menu);
        watchHints(*menu);
    } else if (c.kind == ui::Kind::MenuSeparator) {
        action = new QAction(parent);
        action->setSeparator(true);
        parent->addAction(action);
    } else {
        action = new QAction(parent);
        parent->addAction(action);
        QObject::connect(action, &QAction::triggered, &receiver_, [this, action, id] {
            // Qt toggles a checkable item by itself; the check mark is the
            // logic's to set.
            const QSignalBlocker blocker(action);
            action->setChecked(model_.at(id).checked);
            input_.clicked(id);
        });
    }
    if (model_.at(c.parent).popup) action->setShortcutContext(Qt::WidgetShortcut);
    action->setData(id);
    actions_.emplace(id, action);
}

void MenuBinding::mirror(const ui::Control& c, ui::ControlId id) {
    if (id == barId_) {
        bar_->setVisible(c.visible);
        return;
    }
    QAction* item = action(id);
    if (item == nullptr) return;
    const QSignalBlocker blocker(item);
    item->setVisible(c.visible);
    item->setEnabled(c.enabled);
    if (c.kind == ui::Kind::MenuSeparator) return;
    item->setText(keys_.menuText(id, c.caption));
    if (c.kind != ui::Kind::MenuItem) return;
    QList<QKeySequence> keys;
    if (!c.shortcut.empty())
        keys.append(QKeySequence::fromString(toQString(c.shortcut), QKeySequence::PortableText));
    for (const std::string& extra : c.extraShortcuts)
        keys.append(QKeySequence::fromString(toQString(extra), QKeySequence::PortableText));
    item->setShortcuts(keys);
    item->setCheckable(c.checkable || c.checked);
    item->setChecked(c.checked);
}

}  // namespace tz::gui
