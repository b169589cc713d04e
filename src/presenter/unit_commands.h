// The window's commands to the unit: program, verify and read, the port
// menu, and the bench test buttons.
#pragma once

#include "controls/control_model.h"
#include "design/window_index.h"
#include "presenter/captions.h"
#include "presenter/edit_commands.h"
#include "presenter/session_view.h"
#include "session/session.h"

namespace tz::presenter {

class UnitCommands {
  public:
    UnitCommands(ui::ControlModel& controls, const design::WindowIndex& index,
                 session::Session& session, EditCommands& edits, SessionView& view,
                 Captions& captions);

    // Program and Verify first take the controls into the image (nothing
    // while the binding is busy).
    void program();
    void verify();
    void read();
    // Item index 0..29 a fixed port, 30 the automatic search.
    void choosePort(int index);
    // Whether the user chose a port from the menu in this run.
    bool portChosen() const { return portChosen_; }
    // Opens the chosen port; each menu item's hint names its device.
    void openPort();
    // False when the control is not a test button.
    bool testButton(ui::ControlId button);

  private:
    ui::ControlModel& controls_;
    const design::WindowIndex& index_;
    session::Session& session_;
    EditCommands& edits_;
    SessionView& view_;
    Captions& captions_;
    bool portChosen_ = false;
};

}  // namespace tz::presenter
