// The settings check in the window: before a Program command and before the
// first programming after change of a round, the findings are listed in a
// dialog that programs anyway, cancels or goes to the value; the values with
// findings are marked in dark red wherever the window shows them.
#pragma once

#include <optional>
#include <vector>

#include "controls/control_model.h"
#include "design/window_index.h"
#include "editing/settings_check.h"
#include "presenter/captions.h"
#include "presenter/check_dialog.h"
#include "presenter/edit_commands.h"
#include "presenter/field_binding.h"
#include "presenter/layout_rules.h"
#include "presenter/session_view.h"
#include "presenter/unit_commands.h"
#include "session/session.h"

namespace tz::presenter {

// The dialog's contents for the findings in the language.
CheckModel checkModel(const std::vector<editing::SettingsFinding>& findings,
                      const editing::CheckLimits& limits, texts::Language language,
                      const Image& image);

class SettingsChecks {
  public:
    // Without check dialogs the Program command programs unasked, as does
    // programming after change.
    SettingsChecks(ui::ControlModel& controls, const design::WindowIndex& index,
                   session::Session& session, const FieldBinding& binding, LayoutRules& layout,
                   EditCommands& edits, UnitCommands& unit, SessionView& view, Captions& captions,
                   CheckDialogs* dialogs);

    // The Program command: the check first, the dialog when it finds anything.
    void program();
    // Degrees between neighbouring map cells (the settings file's value).
    void setMaxAdvanceStep(int degrees);
    int maxAdvanceStep() const { return limits_.maxAdvanceStep; }

    // A programming after change that the session held asks; at the start of
    // a tick, so that the window shows the change first.
    void showPending();
    // Marks the values with findings when the image changed since the last mark.
    void markFindings();

  private:
    // The user's answer to the findings; true to program.
    bool ask(const std::vector<editing::SettingsFinding>& findings);
    ui::ControlId controlOf(const editing::SettingsFinding& finding) const;
    void goTo(const editing::SettingsFinding& finding);

    ui::ControlModel& controls_;
    const design::WindowIndex& index_;
    session::Session& session_;
    const FieldBinding& binding_;
    LayoutRules& layout_;
    EditCommands& edits_;
    UnitCommands& unit_;
    SessionView& view_;
    Captions& captions_;
    CheckDialogs* dialogs_;
    editing::CheckLimits limits_;
    std::optional<Image> marked_;
    std::vector<ui::ControlId> markedControls_;
};

}  // namespace tz::presenter
