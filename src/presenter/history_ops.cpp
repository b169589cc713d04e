// Recording changes for undo and redo, and automatic programming after a
// change.
#include "presenter/main_window.h"

namespace tz {

void MainWindow::ResetHistory() {
    history_.ring.reset(params_.image, activePage());
    UpdateHistoryButtons();
}

void MainWindow::PushHistory() {
    history_.changed = history_.ring.push(params_.image, activePage());
    if (history_.changed) UpdateHistoryButtons();
}

void MainWindow::RecordChange() {
    PushHistory();
    if (controls_.checked(id("CheckBoxProgHned"))) {
        if (history_.changed || history_.armed) StartProgramming();
        history_.armed = true;
    } else {
        history_.armed = false;
    }
}

void MainWindow::SpeedButtonZpetClick() {
    restoreSnapshot(history_.ring.undo());
}

void MainWindow::SpeedButtonZnovuClick() {
    restoreSnapshot(history_.ring.redo());
}

void MainWindow::restoreSnapshot(const std::optional<History::Snapshot>& snapshot) {
    if (!snapshot) return;
    params_.image = snapshot->image;
    ShowImage();
    if (activePage() != snapshot->page) {
        controls_.setItemIndex(id("PageControl1"), snapshot->page);
        ChangeSheet();
    }
    ShowImage();
    UpdateHistoryButtons();
    if (controls_.checked(id("CheckBoxProgHned"))) StartProgramming();
}

void MainWindow::UpdateHistoryButtons() {
    const bool undo = history_.ring.canUndo();
    const bool redo = history_.ring.canRedo();
    controls_.setEnabled(id("SpeedButtonZpet"), undo);
    controls_.setEnabled(id("MenuZpet"), undo);
    controls_.setEnabled(id("SpeedButtonZnovu"), redo);
    controls_.setEnabled(id("MenuZnovu"), redo);
}

int MainWindow::activePage() const {
    return controls_.itemIndex(id("PageControl1"));
}

}  // namespace tz
