// Follows the control under the mouse and the highlighted menu item and
// reports the long hint that belongs to them whenever it changes.
#pragma once

#include <QHash>
#include <QObject>
#include <functional>
#include <string>

#include "controls/control_model.h"

namespace tz::gui {

class HintTracker : public QObject {
  public:
    using Listener = std::function<void(const std::string& longHint)>;

    HintTracker(const ui::ControlModel& model, Listener listener);

    // Follows the mouse entering and leaving the widget of a control.
    void watch(QWidget& widget, ui::ControlId id);
    // A menu item was highlighted; kNoControl when no item is.
    void menuHovered(ui::ControlId item);
    // Hints in the model may have changed: reports the current one if so.
    void refresh();
    // While held, the mouse is followed but nothing is reported.
    void hold(bool held) { held_ = held; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The long hint of the control or of its nearest ancestor with a hint.
    std::string inheritedHint(ui::ControlId id) const;

    const ui::ControlModel& model_;
    Listener listener_;
    QHash<const QObject*, ui::ControlId> ids_;
    ui::ControlId hovered_ = ui::kNoControl;
    ui::ControlId menuItem_ = ui::kNoControl;
    std::string shown_;
    bool held_ = false;
};

}  // namespace tz::gui
