// Comparing the window's settings with the unit and with .ign files, the
// restore points, and the backup before programming: the commands of the
// File and Ignition menus, and what they do when the session reports back.
#pragma once

#include <string>
#include <vector>

#include "controls/control_model.h"
#include "presenter/captions.h"
#include "presenter/comparison_dialogs.h"
#include "presenter/comparison_model.h"
#include "presenter/edit_commands.h"
#include "presenter/file_commands.h"
#include "presenter/services.h"
#include "presenter/session_view.h"
#include "presenter/unit_commands.h"
#include "session/session.h"

namespace tz::presenter {

class Comparisons {
  public:
    // Without comparison dialogs the commands do nothing.
    Comparisons(ui::ControlModel& controls, session::Session& session, EditCommands& edits,
                FileCommands& files, UnitCommands& unit, SessionView& view, Captions& captions,
                Dialogs& dialogs, ComparisonDialogs* comparisonDialogs);

    // Reads the unit for a comparison; the dialog opens when its pages have
    // arrived (a failed read shows "Read error!" as a read does).
    void compareWithUnit();
    // A .ign file chosen in the file dialog, as Open would load it.
    void compareWithFile();
    // Lists the restore points; the chosen one opens as Open opens a file.
    void showRestorePoints();
    // The Ignition menu's check item; kept in the settings.
    void toggleBackup();
    void setBackup(bool on);
    bool backup() const { return session_.backupBeforeProgram(); }

    // What the session reported at a tick: the comparison's pages, a verify
    // that found other settings in the unit (the user is asked once whether
    // to compare), a restore point that could not be written. The dialogs
    // they call for are modal and wait for showPending(), so that the window
    // shows what led to them first.
    void apply(const session::Events& events);
    // Opens the dialogs the last ticks called for; at the start of a tick.
    void showPending();

  private:
    void showComparison(const Image& other, ComparedWith side, const std::string& path);
    // The unit's pages of the comparison into the window, as one undo step.
    void takeUnitPages();
    void restorePointNotWritten(const session::RestorePointKept& kept);
    const texts::MessageCatalogue& messages() const { return captions_.messages(); }

    ui::ControlModel& controls_;
    session::Session& session_;
    EditCommands& edits_;
    FileCommands& files_;
    UnitCommands& unit_;
    SessionView& view_;
    Captions& captions_;
    Dialogs& dialogs_;
    ComparisonDialogs* comparisonDialogs_;
    // What showPending() opens.
    bool unitPagesArrived_ = false;
    bool verifyFoundOtherSettings_ = false;
    std::vector<session::RestorePointKept> notWritten_;
    // A restore point after a read or program that could not be written is
    // reported once per run; a backup that could not be written every time.
    bool toldNotWritten_ = false;
};

}  // namespace tz::presenter
