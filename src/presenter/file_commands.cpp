// New, Open and Save of .ign parameter files.
#include "platform/atomic_file.h"
#include "platform/build_info.h"
#include "presenter/main_window.h"
#include "params/defaults.h"
#include "params/ign_reader.h"
#include "params/ign_writer.h"

namespace tz {

using texts::Msg;

namespace {

FileFilter ignFilter() {
    return {"Ignition Parametrs(*.ign)", "*.ign"};
}

}  // namespace

void MainWindow::MenuNewClick() {
    if (services_.dialogs.askYesNoCancel(messages_[Msg::MsgAskDefaults]) != Answer::Yes) return;
    ApplyDefaults(params_.image, params_.keepSpecial);
    CommitEdit();
    controls_.setVisible(id("LabelHlaseni"), false);
    controls_.setVisible(id("CGaugeProgram"), false);
    files_.current.clear();
    updateWindowCaption();
}

void MainWindow::MenuSaveClick(bool fromToolButton) {
    if (binding_.busy) return;
    if (fromToolButton && services_.keyboard.modifiers().ctrl())
        files_.dialogPath = files_.defaultPath;
    FileDialogRequest request;
    request.fileName = files_.dialogPath;
    request.filters = {ignFilter()};
    request.defaultExtension = "ign";
    request.confirmOverwrite = true;
    const std::optional<std::string> path = services_.dialogs.saveFile(request);
    if (!path) return;

    ReadControls();
    params_.normalise();
    ShowImage();
    const link::UnitInfo& unit = link_->unitInfo();
    const IgnTrailer trailer{unit.date, unit.time, unit.name, buildDateCompilerForm(),
                             buildTimeText()};
    if (!writeFileAtomically(*path, WriteIgnFile(params_.image, trailer))) {
        services_.dialogs.showMessage(messages_[Msg::MsgOpenFileError]);
        return;
    }
    files_.current = *path;
    files_.last = *path;
    files_.dialogPath = *path;
    updateWindowCaption();
}

void MainWindow::MenuSaveExeDirClick() {
    files_.dialogPath = files_.defaultPath;
    MenuSaveClick(false);
}

void MainWindow::MenuOpenClick(bool fromToolButton) {
    if (fromToolButton && services_.keyboard.modifiers().ctrl())
        files_.dialogPath = files_.defaultPath;
    FileDialogRequest request;
    request.fileName = files_.dialogPath.empty() ? std::string(" ") : files_.dialogPath;
    request.filters = {ignFilter(), {"All Files (*.*)", "*"}};
    request.defaultExtension = "ign";
    if (const std::optional<std::string> path = services_.dialogs.openFile(request))
        openIgnFile(*path);
    controls_.setVisible(id("LabelHlaseni"), false);
    controls_.setVisible(id("CGaugeProgram"), false);
}

void MainWindow::MenuOpenExeDirClick() {
    files_.dialogPath = files_.defaultPath;
    MenuOpenClick(false);
}

bool MainWindow::openIgnFile(const std::string& path) {
    const std::optional<std::string> text = readWholeFile(path);
    if (!text) {
        services_.dialogs.showMessage(messages_[Msg::MsgOpenFileError]);
        return false;
    }
    const IgnReadResult result = ReadIgnFile(*text, params_.image);
    for (IgnNotice notice : result.notices)
        services_.dialogs.showMessage(
            messages_[notice == IgnNotice::OlderVersion ? Msg::MsgOlderIgnFile
                                                        : Msg::MsgIgnVersionMismatch]);
    if (result.version == 0) return false;
    CommitEdit();
    files_.current = path;
    files_.last = path;
    files_.dialogPath = path;
    updateWindowCaption();
    return true;
}

void MainWindow::ComboBoxBikeChange() {
    if (const int item = controls_.itemIndex(id("ComboBoxBike")); item >= 0)
        params_.image[field::BIKE] = encoding::encodeBike(item);
    if (const int item = controls_.itemIndex(id("ComboBoxSynchro")); item >= 0)
        params_.image[field::SYNC_METHOD] = static_cast<std::uint8_t>(item);
    params_.keepSpecial = true;
    if (params_.image[field::BIKE] != kBikeSpecial) MenuNewClick();
    ApplyBikePreset(params_.image);
    ShowImage();
    CommitEdit();
    FillCaptions();
}

}  // namespace tz
