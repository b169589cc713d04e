#include "presenter/comparisons.h"

#include <filesystem>
#include <utility>
#include <variant>

#include "design/control_names.h"
#include "params/image_diff.h"
#include "session/reports.h"
#include "texts/comparison_texts.h"

namespace tz::presenter {

using texts::CompareText;

Comparisons::Comparisons(ui::ControlModel& controls, session::Session& session, EditCommands& edits,
                         FileCommands& files, UnitCommands& unit, SessionView& view,
                         Captions& captions, Dialogs& dialogs, ComparisonDialogs* comparisonDialogs)
    : controls_(controls),
      session_(session),
      edits_(edits),
      files_(files),
      unit_(unit),
      view_(view),
      captions_(captions),
      dialogs_(dialogs),
      comparisonDialogs_(comparisonDialogs) {}

void Comparisons::compareWithUnit() {
    if (comparisonDialogs_ == nullptr) return;
    view_.apply(session_.readUnitForComparison());
}

void Comparisons::compareWithFile() {
    if (comparisonDialogs_ == nullptr) return;
    const std::optional<std::string> path =
        dialogs_.openFile(ignOpenRequest(session_.lastFileName()));
    if (!path || !edits_.takeControls()) return;
    // What Open would make of the file over the window's image.
    const session::FileImage file = session_.imageOfFile(*path);
    if (file.result.status == session::OpenStatus::CannotRead) {
        dialogs_.showMessage(messages()[texts::Msg::MsgOpenFileError]);
        return;
    }
    for (const std::string& line :
         session::openLines(file.result, *path, messages(), captions_.textLanguage()))
        dialogs_.showMessage(line);
    if (file.result.status != session::OpenStatus::Opened) return;
    showComparison(file.image, ComparedWith::File, *path);
}

void Comparisons::showComparison(const Image& other, ComparedWith side, const std::string& path) {
    const std::string name = std::filesystem::path(path).filename().string();
    const ComparisonModel model =
        comparisonModel(session_.image(), other, side, captions_.textLanguage(), name);
    switch (comparisonDialogs_->showComparison(model)) {
        case ComparisonChoice::KeepWindow:
            return;
        case ComparisonChoice::TakeOther:
            if (side == ComparedWith::File) {
                files_.openFile(path);
                return;
            }
            takeUnitPages();
            return;
        case ComparisonChoice::ProgramUnit:
            unit_.program();
            return;
    }
}

void Comparisons::takeUnitPages() {
    session_.takeUnitPages();
    edits_.commitImage();
    captions_.updateWindowTitle();
}

void Comparisons::showRestorePoints() {
    if (comparisonDialogs_ == nullptr) return;
    const std::string& folder = session_.restorePointDirectory();
    const std::vector<RestorePoint> points =
        folder.empty() ? std::vector<RestorePoint>{} : RestorePoints(folder).list();
    if (!edits_.takeControls()) return;
    std::vector<bool> same;
    same.reserve(points.size());
    for (const RestorePoint& point : points) {
        const session::FileImage file = session_.imageOfFile(point.path);
        same.push_back(file.result.status == session::OpenStatus::Opened &&
                       DiffImages(session_.image(), file.image).empty());
    }
    const std::optional<std::size_t> chosen = comparisonDialogs_->chooseRestorePoint(
        restorePointListModel(points, same, folder, captions_.textLanguage()));
    if (chosen && *chosen < points.size()) files_.openFile(points[*chosen].path);
}

void Comparisons::toggleBackup() {
    setBackup(!backup());
}

void Comparisons::setBackup(bool on) {
    session_.setBackupBeforeProgram(on);
    controls_.setChecked(controls_.id(ctl::MenuBackup), on);
}

void Comparisons::apply(const session::Events& events) {
    if (comparisonDialogs_ == nullptr) return;
    for (const session::Event& event : events) {
        if (std::holds_alternative<session::UnitPagesRead>(event)) {
            unitPagesArrived_ = true;
        } else if (const auto* kept = std::get_if<session::RestorePointKept>(&event)) {
            if (!kept->path) notWritten_.push_back(*kept);
        } else if (const auto* ended = std::get_if<link::TransferEnded>(&event)) {
            // A verify the user started, whose pages the unit answered with
            // other settings.
            if (ended->operation == link::Operation::Verify &&
                ended->outcome == link::Outcome::Failed && ended->pageRefused)
                verifyFoundOtherSettings_ = true;
        }
    }
}

void Comparisons::showPending() {
    for (const session::RestorePointKept& kept : std::exchange(notWritten_, {}))
        restorePointNotWritten(kept);
    if (std::exchange(unitPagesArrived_, false) && edits_.takeControls())
        showComparison(session_.unitPages(), ComparedWith::Unit, std::string());
    // One question, then nothing more.
    if (std::exchange(verifyFoundOtherSettings_, false) &&
        comparisonDialogs_->askYesNo(
            messages()[texts::Msg::MsgVerifyError] + "\n\n" +
            texts::compareText(CompareText::AskCompareAfterVerify, captions_.textLanguage())))
        compareWithUnit();
}

void Comparisons::restorePointNotWritten(const session::RestorePointKept& kept) {
    const bool backup = kept.operation == RestoreOperation::BeforeProgram;
    if (!backup && toldNotWritten_) return;
    if (!backup) toldNotWritten_ = true;
    dialogs_.showError(texts::compareText(CompareText::RestorePointNotWritten,
                                          captions_.textLanguage(),
                                          session_.restorePointDirectory()));
}

}  // namespace tz::presenter
