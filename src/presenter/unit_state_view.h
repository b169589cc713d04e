// What the unit holds as the window shows it: the status bar's field that
// says whether the unit holds the window's settings (a click on it compares
// with the unit), a marker on every control whose value the unit holds
// otherwise, and the question before closing while they differ.
#pragma once

#include <string>
#include <vector>

#include "controls/control_model.h"
#include "presenter/captions.h"
#include "presenter/edit_commands.h"
#include "presenter/field_binding.h"
#include "presenter/services.h"
#include "presenter/unit_commands.h"
#include "session/session.h"

namespace tz::presenter {

class UnitStateView {
  public:
    UnitStateView(ui::ControlModel& controls, const session::Session& session,
                  const FieldBinding& binding, EditCommands& edits, UnitCommands& unit,
                  const Captions& captions, Dialogs& dialogs, WindowHost& host);

    // The field and the markers, when the state or the language changed.
    void show();
    // The window is asked to close; false keeps it open. While the unit holds
    // other settings the user is asked (when `canAsk`: no other dialog waits
    // for an answer) whether to program it and close, close without
    // programming, or stay. Programming first closes the window once it has
    // succeeded.
    bool closeRequested(bool canAsk);
    // What the tick's session brought: a programming run that was to close
    // the window has ended.
    void apply(const session::Events& events);

  private:
    void mark(const std::vector<ImageDifference>& differences);

    ui::ControlModel& controls_;
    const session::Session& session_;
    const FieldBinding& binding_;
    EditCommands& edits_;
    UnitCommands& unit_;
    const Captions& captions_;
    Dialogs& dialogs_;
    WindowHost& host_;
    ui::ControlId statusBar_;
    // What is shown now.
    std::optional<session::UnitState> shown_;
    texts::Language shownLanguage_ = texts::Language::English;
    std::vector<ui::ControlId> marked_;
    bool closeAfterProgramming_ = false;
};

}  // namespace tz::presenter
