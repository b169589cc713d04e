// What the widgets report to the binding, addressed by control.
#pragma once

#include <QPoint>
#include <QString>

#include "controls/control.h"
#include "presenter/ui_events.h"

namespace tz::gui {

class UserInput {
  public:
    virtual ~UserInput() = default;
    virtual void textEdited(ui::ControlId edit, const QString& text) = 0;
    // True when the window's logic consumed the key.
    virtual bool keyPressed(ui::ControlId edit, const KeyPress& key) = 0;
    virtual void editEntered(ui::ControlId edit, FocusCause cause) = 0;
    virtual void editExited(ui::ControlId edit) = 0;
    virtual void upDownStepped(ui::ControlId upDown, int direction) = 0;
    virtual void checkToggled(ui::ControlId checkBox, bool checked) = 0;
    virtual void checkReleased(ui::ControlId checkBox) = 0;
    virtual void radioClicked(ui::ControlId radioGroup, int index) = 0;
    virtual void comboActivated(ui::ControlId comboBox, int index) = 0;
    virtual void clicked(ui::ControlId control) = 0;
    virtual void spinClicked(ui::ControlId spinButton, int direction) = 0;
    virtual void pageChanged(ui::ControlId pageControl, int index) = 0;
    virtual void trackBarMoved(ui::ControlId trackBar, int position) = 0;
    virtual void canvasMouse(ui::ControlId surface, const PointerEvent& event) = 0;
    // The user asked for the control's context menu at a place on the screen.
    virtual void contextMenuRequested(ui::ControlId control, const QPoint& globalPos) = 0;
};

}  // namespace tz::gui
