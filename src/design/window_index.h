// Index tables of the window's repeated controls, so that the logic
// addresses them by number instead of by name. Filled once after the window
// design, the Power Out page and the port menu have been built.
#pragma once

#include <array>

#include "controls/control_model.h"

namespace tz::design {

inline constexpr int kMapSize = 10;  // rows and columns of the advance map
inline constexpr int kServoPoints = 10;
inline constexpr int kPortItems = 31;

// The controls of one power output.
struct PowerOutControls {
    ui::ControlId modeGroup = ui::kNoControl;
    ui::ControlId mapGroup = ui::kNoControl;
    ui::ControlId rpmLabel = ui::kNoControl;
    ui::ControlId tpsLabel = ui::kNoControl;
    std::array<ui::ControlId, 3> rpmEdits{};
    std::array<ui::ControlId, 3> rpmUpDowns{};
    std::array<ui::ControlId, 2> tpsEdits{};
    std::array<ui::ControlId, 2> tpsUpDowns{};
    std::array<ui::ControlId, 12> zones{};  // row j, column c at 4·j + c
    std::array<ui::ControlId, 3> verticalSeparators{};
    std::array<ui::ControlId, 2> horizontalSeparators{};
};

struct WindowIndex {
    // The advance map: cell (r, c) at 10·r + c.
    std::array<ui::ControlId, kMapSize * kMapSize> cellEdits{};
    std::array<ui::ControlId, kMapSize * kMapSize> cellUpDowns{};
    std::array<ui::ControlId, kMapSize> rpmEdits{};
    std::array<ui::ControlId, kMapSize> rpmUpDowns{};
    std::array<ui::ControlId, kMapSize> tpsLabels{};
    std::array<ui::ControlId, kMapSize> columnSpins{};

    // The servo curve, point i at i.
    std::array<ui::ControlId, kServoPoints> servoRpmEdits{};
    std::array<ui::ControlId, kServoPoints> servoRpmUpDowns{};
    std::array<ui::ControlId, kServoPoints> servoMvEdits{};
    std::array<ui::ControlId, kServoPoints> servoMvUpDowns{};

    // The lobe table, channel c (0, 1) at c: the lobe numbers of the maximum
    // ("Zac") and start ("End") advance points, their 2nd-edge and 2nd
    // pick-up check boxes.
    std::array<ui::ControlId, 2> maxLobeUpDowns{};
    std::array<ui::ControlId, 2> startLobeUpDowns{};
    std::array<ui::ControlId, 2> maxLobeEdits{};
    std::array<ui::ControlId, 2> startLobeEdits{};
    std::array<ui::ControlId, 2> maxEdge2{};
    std::array<ui::ControlId, 2> startEdge2{};
    std::array<ui::ControlId, 2> maxPickup2{};
    std::array<ui::ControlId, 2> startPickup2{};

    std::array<PowerOutControls, 3> powerOuts{};

    // "Com 1".."Com 30", then "Com Auto": the port index is the position.
    std::array<ui::ControlId, kPortItems> portItems{};
    std::array<ui::ControlId, 8> testLabels{};
    // The live state of power outputs 1..3.
    std::array<ui::ControlId, 3> powerOutMonitorLabels{};
    // The test buttons: ignition 1 and 2, power outputs 1 to 3, speed,
    // servo + and servo -.
    std::array<ui::ControlId, 8> testButtons{};
};

WindowIndex buildWindowIndex(const ui::ControlModel& model);

}  // namespace tz::design
