// Placement of the advance-map grid: all ten throttle rows, or the single
// speed-only row in the first row's place when the TPS map is off.
#include <string>

#include "presenter/main_window.h"

namespace tz {

void MainWindow::layoutGrid() {
    const bool mapMode = graphArea_->mode() == graphs::GraphMode::Map;
    const bool allRows = controls_.checked(id("CheckBoxTpsMapa")) && mapMode;
    const bool editing = !binding_.printLayout;

    for (int r = 0; r < kMapRows; ++r) {
        controls_.setVisible(index_.tpsLabels[r], allRows);
        const bool rowShown = r == kMapRows - 1 ? mapMode : allRows;
        for (int c = 0; c < kMapColumns; ++c) {
            controls_.setVisible(index_.cellEdits[10 * r + c], rowShown);
            controls_.setVisible(index_.cellUpDowns[10 * r + c], rowShown && editing);
        }
    }
    // The 100 % row sits in its own place with all rows, else in the first.
    const int lastRowTop =
        controls_.at(index_.tpsLabels[allRows ? kMapRows - 1 : 0]).bounds.top - 4;
    for (int c = 0; c < kMapColumns; ++c) {
        controls_.setTop(index_.cellEdits[90 + c], lastRowTop);
        controls_.setTop(index_.cellUpDowns[90 + c], lastRowTop);
    }
    for (int c = 0; c < kMapColumns; ++c) {
        controls_.setVisible(index_.rpmEdits[c], mapMode);
        controls_.setVisible(index_.rpmUpDowns[c], mapMode && editing);
        controls_.setVisible(index_.columnSpins[c], allRows && editing);
    }
    controls_.setVisible(id("LabelRpmAdv"), mapMode);
}

}  // namespace tz
