// The Power Out page: which thresholds and zone switches each output's mode
// uses, and the fixed zone patterns of the pilot-light and power-jet modes.
#include <string>

#include "presenter/field_bindings.h"
#include "presenter/main_window.h"

namespace tz {

namespace {

// Zone rows of the fixed patterns: bit c set = column c on.
constexpr int kPilotLightRows[3] = {14, 14, 14};
constexpr int kPowerJetRows[3] = {14, 12, 12};

std::string indexed(const char* prefix, int n, int j) {
    return prefix + std::to_string(n + 1) + "_" + std::to_string(j);
}

}  // namespace

void MainWindow::PowerOutLayout() {
    for (int n = 0; n < kPowerOutputs; ++n) {
        const int mode = params_.image[powerOutMode(n)];
        const std::string out = std::to_string(n + 1);
        controls_.setVisible(id("GroupBoxPOutMap" + out), mode >= 2);
        controls_.setVisible(id("LabelPOutTps" + out), mode >= 3);

        const bool rpmShown[3] = {true, mode >= 3, mode >= 4};
        const bool tpsShown[2] = {mode >= 3, mode >= 4};
        for (int j = 0; j < 3; ++j) {
            controls_.setVisible(id(indexed("EditPOutRpm", n, j)), rpmShown[j]);
            controls_.setVisible(id(indexed("UpDownPOutRpm", n, j)), rpmShown[j]);
            controls_.setVisible(id(indexed("BevelPOutV", n, j)), rpmShown[j]);
        }
        for (int j = 0; j < 2; ++j) {
            controls_.setVisible(id(indexed("EditPOutTps", n, j)), tpsShown[j]);
            controls_.setVisible(id(indexed("UpDownPOutTps", n, j)), tpsShown[j]);
            controls_.setVisible(id(indexed("BevelPOutH", n, j)), tpsShown[j]);
        }

        for (int row = 0; row < 3; ++row) {
            for (int c = 0; c < 4; ++c) {
                const ui::ControlId box = id(powerOutCheckBoxName(n, row, c));
                bool visible = false;
                if (row == 0 && c <= 1)
                    visible = mode >= 2;
                else if (row <= 1 && c <= 2)
                    visible = mode >= 3;
                else
                    visible = mode >= 4;
                controls_.setVisible(box, visible);
                controls_.setEnabled(box, mode >= 4);
                if (mode == 2) controls_.setChecked(box, (kPilotLightRows[row] >> c) & 1);
                if (mode == 3) controls_.setChecked(box, (kPowerJetRows[row] >> c) & 1);
            }
        }
    }
}

}  // namespace tz
