#include "presenter/file_commands.h"

#include "design/control_names.h"
#include "session/reports.h"

namespace tz::presenter {

using texts::Msg;

namespace {

FileFilter ignFilter() {
    return {"Ignition Parametrs(*.ign)", "*.ign"};
}

}  // namespace

FileDialogRequest ignOpenRequest(const std::string& startPath) {
    FileDialogRequest request;
    request.fileName = startPath.empty() ? std::string(" ") : startPath;
    request.filters = {ignFilter(), {"All Files (*.*)", "*"}};
    request.defaultExtension = "ign";
    return request;
}

FileCommands::FileCommands(ui::ControlModel& controls, session::Session& session,
                           FieldBinding& binding, EditCommands& edits, Captions& captions,
                           MessageLine& messageLine, Dialogs& dialogs, Keyboard& keyboard)
    : controls_(controls),
      session_(session),
      binding_(binding),
      edits_(edits),
      captions_(captions),
      messageLine_(messageLine),
      dialogs_(dialogs),
      keyboard_(keyboard) {}

void FileCommands::newSettings() {
    if (dialogs_.askYesNoCancel(captions_.messages()[Msg::MsgAskDefaults]) != Answer::Yes) return;
    session_.newSettings();
    edits_.commitImage();
    messageLine_.hide();
    captions_.updateWindowTitle();
}

void FileCommands::save(bool fromToolButton) {
    if (binding_.busy()) return;
    if (fromToolButton && keyboard_.modifiers().ctrl()) dialogPath_ = session_.defaultFilePath();
    FileDialogRequest request;
    request.fileName = dialogPath_;
    request.filters = {ignFilter()};
    request.defaultExtension = "ign";
    request.confirmOverwrite = true;
    const std::optional<std::string> path = dialogs_.saveFile(request);
    if (!path) return;

    edits_.takeControls();
    if (!session_.save(*path)) {
        dialogs_.showMessage(captions_.messages()[Msg::MsgOpenFileError]);
        return;
    }
    dialogPath_ = *path;
    captions_.updateWindowTitle();
}

void FileCommands::saveToProgramDirectory() {
    dialogPath_ = session_.defaultFilePath();
    save(false);
}

void FileCommands::open(bool fromToolButton) {
    if (fromToolButton && keyboard_.modifiers().ctrl()) dialogPath_ = session_.defaultFilePath();
    if (const std::optional<std::string> path = dialogs_.openFile(ignOpenRequest(dialogPath_)))
        openFile(*path);
    messageLine_.hide();
}

void FileCommands::openFromProgramDirectory() {
    dialogPath_ = session_.defaultFilePath();
    open(false);
}

bool FileCommands::openFile(const std::string& path) {
    const session::OpenResult result = session_.open(path);
    if (result.status == session::OpenStatus::CannotRead) {
        dialogs_.showMessage(captions_.messages()[Msg::MsgOpenFileError]);
        return false;
    }
    for (const std::string& line :
         session::openLines(result, path, captions_.messages(), captions_.textLanguage()))
        dialogs_.showMessage(line);
    if (result.status != session::OpenStatus::Opened) return false;
    edits_.commitImage();
    dialogPath_ = path;
    captions_.updateWindowTitle();
    return true;
}

void FileCommands::bikeChanged() {
    CellBlockEdit choice;
    for (ui::ControlName name : {ctl::ComboBoxBike, ctl::ComboBoxSynchro})
        if (const std::optional<SettingEdit> e =
                binding_.editOf(controls_.id(name), session_.image()))
            choice.cells.push_back(*e);
    session_.keepSpecialSetup();
    session_.choose(choice);
    if (session_.image()[field::BIKE] != kBikeSpecial) newSettings();
    session_.applyBikePreset();
    edits_.commitImage();
    captions_.fillCaptions();
}

}  // namespace tz::presenter
