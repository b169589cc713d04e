// New, Open and Save of .ign parameter files through the file dialogs, and
// the motorcycle presets.
#pragma once

#include <string>

#include "controls/control_model.h"
#include "presenter/captions.h"
#include "presenter/edit_commands.h"
#include "presenter/field_binding.h"
#include "presenter/message_line.h"
#include "presenter/services.h"
#include "session/session.h"

namespace tz::presenter {

// The file dialog that asks for a settings file to read, starting at
// startPath (a blank when there is none yet).
FileDialogRequest ignOpenRequest(const std::string& startPath);

class FileCommands {
  public:
    FileCommands(ui::ControlModel& controls, session::Session& session, FieldBinding& binding,
                 EditCommands& edits, Captions& captions, MessageLine& messageLine,
                 Dialogs& dialogs, Keyboard& keyboard);

    void newSettings();
    // The tool buttons start from the program's directory with Ctrl held.
    void open(bool fromToolButton);
    void openFromProgramDirectory();
    void save(bool fromToolButton);
    void saveToProgramDirectory();
    // Opens a file as the Open command does; false when it was not taken.
    bool openFile(const std::string& path);
    // The motorcycle type or the synchronisation method was chosen.
    void bikeChanged();

    // The file both dialogs start from.
    void setDialogPath(std::string path) { dialogPath_ = std::move(path); }

  private:
    ui::ControlModel& controls_;
    session::Session& session_;
    FieldBinding& binding_;
    EditCommands& edits_;
    Captions& captions_;
    MessageLine& messageLine_;
    Dialogs& dialogs_;
    Keyboard& keyboard_;
    std::string dialogPath_;
};

}  // namespace tz::presenter
