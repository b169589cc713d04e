// The user's edits of the parameter image: values typed or stepped in the
// controls, check boxes and radio groups, the map and servo shifts, the
// throttle calibration, interpolation, each sent to the session as one edit,
// and the controls of the settings it changed written (with undo and redo).
#pragma once

#include "controls/control_model.h"
#include "design/window_index.h"
#include "presenter/field_binding.h"
#include "presenter/graph_area_host.h"
#include "presenter/layout_rules.h"
#include "presenter/monitor_view.h"
#include "presenter/services.h"
#include "presenter/session_view.h"
#include "presenter/ui_events.h"
#include "session/session.h"

namespace tz::presenter {

class EditCommands {
  public:
    EditCommands(ui::ControlModel& controls, const design::WindowIndex& index,
                 session::Session& session, FieldBinding& binding, LayoutRules& layout,
                 SessionView& view, GraphAreaHost& graphs, const MonitorView& monitor,
                 Dialogs& dialogs);

    // Sends the edit (one history step, automatic programming may follow)
    // and shows what changed.
    void edit(const SettingEdit& edit);
    void edit(const CellBlockEdit& edit);
    // The edit that turns the image into `edited`.
    void editTo(const Image& edited);
    // Repairs and records the image that the session put in place (open,
    // new settings, the unit's pages) and shows what changed.
    void commitImage();
    // Records the image as one step (automatic programming may follow).
    void recordChange();
    void undo();
    void redo();
    // The history starts over with the image as its only step.
    void resetHistory();
    // Takes the values typed into edit boxes and not yet committed, repaired
    // and shown, not recorded; false, changing nothing, while the binding is
    // busy.
    bool takeControls();

    // Events of the parameter controls.
    void upDownClicked(ui::ControlId upDown);
    void editExited(ui::ControlId edit);
    bool keyPressed(ui::ControlId edit, const KeyPress& key);
    void checkBoxReleased(ui::ControlId checkBox);
    // False when the radio group edits no field.
    bool radioClicked(ui::ControlId radioGroup, int index);
    void spinClicked(ui::ControlId spinButton, int direction);

    // Advance +/- on the live cell, the selected cells or the whole map.
    void mapShift(int step);
    void tps0Clicked();
    void tps100Clicked();
    void interpolate();

  private:
    // The control's edit, when it is bound. Values typed or stepped in other
    // boxes and not yet committed (the boxes that commit only on Enter, the
    // up/downs without a click handler) join the step.
    void editControl(ui::ControlId control);
    void editWithTyped(const SettingEdit& edit);
    // The image with the values typed and not yet committed.
    Image typedImage() const;
    // Shows the events; the edited settings' controls are written even when
    // the repair left their values as they were.
    void show(session::Events events, const std::vector<SettingEdit>& edited);
    bool isParameterUpDown(ui::ControlId upDown) const;
    bool isParameterEdit(ui::ControlId edit) const;
    bool isRunTimeEdit(ui::ControlId edit) const;
    bool isParameterCheckBox(ui::ControlId checkBox) const;
    void columnShift(int column, int step);
    void shiftCells(Image& image, int step) const;
    void servoShift(int step);
    ui::ControlId id(ui::ControlName name) const { return controls_.id(name); }

    ui::ControlModel& controls_;
    const design::WindowIndex& index_;
    session::Session& session_;
    FieldBinding& binding_;
    LayoutRules& layout_;
    SessionView& view_;
    GraphAreaHost& graphs_;
    const MonitorView& monitor_;
    Dialogs& dialogs_;
};

}  // namespace tz::presenter
