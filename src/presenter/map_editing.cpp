// Editing the advance map and the servo curve in steps: column and map
// shifts, the servo voltage shift and the throttle calibration buttons.
#include <algorithm>

#include "presenter/main_window.h"

namespace tz {

using namespace field;

namespace {
constexpr int kMaxAdvance = 60;
}

void MainWindow::columnShift(int column, int step) {
    if (binding_.busy) return;
    ReadControls();
    for (int r = 0; r < kMapRows; ++r) {
        std::uint8_t& cell = params_.image[advanceCell(r, column)];
        cell = static_cast<std::uint8_t>(std::clamp(cell + step, 0, kMaxAdvance));
    }
    CommitEdit();
}

void MainWindow::mapShift(int step) {
    if (binding_.busy) return;
    ReadControls();
    params_.normalise();
    if (controls_.checked(id("CheckBoxIgnAll"))) {
        ShiftCells(step);
    } else if (liveCell_.hasCell) {
        std::uint8_t& cell = params_.image[advanceCell(liveCell_.row, liveCell_.column)];
        cell = static_cast<std::uint8_t>(std::clamp(cell + step, 0, kMaxAdvance));
        params_.normalise();
    }
    CommitEdit();
}

void MainWindow::ShiftCells(int step) {
    const editing::TSelcell& selection = graphArea_->selection();
    const bool all = selection.state == editing::BandState::Empty;
    for (int k = 0; k < kMapRows * kMapColumns; ++k) {
        if (!all && selection.cellFlags[static_cast<std::size_t>(k)] == 0) continue;
        std::uint8_t& cell = params_.image[ADVANCE + k];
        cell = static_cast<std::uint8_t>(std::clamp(cell + step, 0, kMaxAdvance));
    }
    params_.normalise();
}

void MainWindow::servoShift(int step) {
    if (binding_.busy) return;
    ReadControls();
    const bool all = controls_.checked(id("CheckBoxServoAll"));
    for (int i = 0; i < kAxisPoints; ++i) {
        if (!all && i != liveCell_.servoPoint) continue;
        std::uint8_t& mv = params_.image[SERVO_MV + i];
        if (step < 0 && mv > 1) --mv;
        if (step > 0 && mv < 249) ++mv;
    }
    CommitEdit();
}

void MainWindow::BitBtnTps0Click() {
    const int v = link_->live().throttleMv;
    if (v < 100 || v > 2500) return;
    params_.image[TPS_0_MV] = encoding::byteOf(v / 10);
    CommitEdit();
}

void MainWindow::BitBtnTps100Click() {
    const int v = link_->live().throttleMv;
    if (v < 2500 || v > 4900) return;
    params_.image[TPS_100_MV] = encoding::byteOf(v / 10 + 6);
    CommitEdit();
}

}  // namespace tz
