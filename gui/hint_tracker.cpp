#include "gui/hint_tracker.h"

#include <QEvent>
#include <QWidget>

#include "gui/conversions.h"

namespace tz::gui {

HintTracker::HintTracker(const ui::ControlModel& model, Listener listener)
    : model_(model), listener_(std::move(listener)) {}

void HintTracker::watch(QWidget& widget, ui::ControlId id) {
    ids_.insert(&widget, id);
    widget.installEventFilter(this);
}

void HintTracker::menuHovered(ui::ControlId item) {
    menuItem_ = item;
    refresh();
}

void HintTracker::refresh() {
    if (held_) return;
    const std::string hint = menuItem_ != ui::kNoControl
                                 ? std::string(longHint(model_.at(menuItem_).hint))
                                 : inheritedHint(hovered_);
    if (hint == shown_) return;
    shown_ = hint;
    listener_(shown_);
}

bool HintTracker::eventFilter(QObject* watched, QEvent* event) {
    // Qt sends Leave to the inner widget first and Enter to the outer one
    // first, so the innermost control under the mouse ends up recorded. The
    // mouse moving over the window also ends the highlight of a menu item.
    if (event->type() == QEvent::Enter) {
        hovered_ = ids_.value(watched, ui::kNoControl);
        menuItem_ = ui::kNoControl;
        refresh();
    } else if (event->type() == QEvent::Leave) {
        const ui::ControlId left = ids_.value(watched, ui::kNoControl);
        if (left == hovered_ && left != ui::kNoControl) hovered_ = model_.at(left).parent;
        menuItem_ = ui::kNoControl;
        refresh();
    }
    return false;
}

std::string HintTracker::inheritedHint(ui::ControlId id) const {
    for (; id != ui::kNoControl; id = model_.at(id).parent) {
        if (!model_.at(id).hint.empty()) return std::string(longHint(model_.at(id).hint));
    }
    return {};
}

}  // namespace tz::gui
