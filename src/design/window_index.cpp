#include "design/window_index.h"

#include <string>

namespace tz::design {
namespace {

using ui::ControlId;

ControlId idOf(const ui::ControlModel& model, const std::string& name) {
    return model.id(ui::ControlName{name});
}

// Fills a table with the controls prefix + number, numbers counting from
// `first`.
template <std::size_t N>
void fillNumbered(std::array<ControlId, N>& table, const ui::ControlModel& model,
                  const std::string& prefix, int first) {
    for (std::size_t i = 0; i < N; ++i) {
        table[i] = idOf(model, prefix + std::to_string(first + static_cast<int>(i)));
    }
}

void fillLobes(WindowIndex& index, const ui::ControlModel& model) {
    for (std::size_t c = 0; c < 2; ++c) {
        const std::string palec = "Palec" + std::to_string(c + 1);
        index.maxLobeUpDowns[c] = idOf(model, "UpDown" + palec + "Zac");
        index.startLobeUpDowns[c] = idOf(model, "UpDown" + palec + "End");
        index.maxLobeEdits[c] = idOf(model, "Edit" + palec + "Zac");
        index.startLobeEdits[c] = idOf(model, "Edit" + palec + "End");
        index.maxEdge2[c] = idOf(model, "CheckBox" + palec + "ZacH2");
        index.startEdge2[c] = idOf(model, "CheckBox" + palec + "EndH2");
        index.maxPickup2[c] = idOf(model, "CheckBox" + palec + "ZacP2");
        index.startPickup2[c] = idOf(model, "CheckBox" + palec + "EndP2");
    }
}

PowerOutControls powerOut(const ui::ControlModel& model, int output) {
    const std::string n = std::to_string(output);
    PowerOutControls p;
    p.modeGroup = idOf(model, "RadioGroupPOut" + n);
    p.mapGroup = idOf(model, "GroupBoxPOutMap" + n);
    p.rpmLabel = idOf(model, "LabelPOutRpm" + n);
    p.tpsLabel = idOf(model, "LabelPOutTps" + n);
    fillNumbered(p.rpmEdits, model, "EditPOutRpm" + n + "_", 0);
    fillNumbered(p.rpmUpDowns, model, "UpDownPOutRpm" + n + "_", 0);
    fillNumbered(p.tpsEdits, model, "EditPOutTps" + n + "_", 0);
    fillNumbered(p.tpsUpDowns, model, "UpDownPOutTps" + n + "_", 0);
    for (std::size_t k = 0; k < p.zones.size(); ++k) {
        p.zones[k] = idOf(
            model, "CheckBoxPOut" + n + "_r" + std::to_string(k / 4) + "c" + std::to_string(k % 4));
    }
    fillNumbered(p.verticalSeparators, model, "BevelPOutV" + n + "_", 0);
    fillNumbered(p.horizontalSeparators, model, "BevelPOutH" + n + "_", 0);
    return p;
}

}  // namespace

WindowIndex buildWindowIndex(const ui::ControlModel& model) {
    WindowIndex index;
    fillNumbered(index.cellEdits, model, "Edit", 50);
    fillNumbered(index.cellUpDowns, model, "UpDown", 50);
    fillNumbered(index.rpmEdits, model, "EditRpmAdv", 1);
    fillNumbered(index.rpmUpDowns, model, "UpDownRpmAdv", 1);
    fillNumbered(index.tpsLabels, model, "LabelTps", 1);
    fillNumbered(index.columnSpins, model, "CSpinButton", 1);

    fillNumbered(index.servoRpmEdits, model, "EditRpmPriv", 1);
    fillNumbered(index.servoRpmUpDowns, model, "UpDownRpmPriv", 1);
    fillNumbered(index.servoMvEdits, model, "EditNapPriv", 1);
    fillNumbered(index.servoMvUpDowns, model, "UpDownNapPriv", 1);

    fillLobes(index, model);
    for (int n = 0; n < 3; ++n)
        index.powerOuts[static_cast<std::size_t>(n)] = powerOut(model, n + 1);

    fillNumbered(index.portItems, model, "MenuCom", 1);
    fillNumbered(index.testLabels, model, "LabelTest", 1);
    fillNumbered(index.powerOutMonitorLabels, model, "LabelMonPOut", 1);
    const char* const testButtons[] = {
        "ButtonTestIgn1",  "ButtonTestIgn2", "ButtonTestPOut1",     "ButtonTestPOut2",
        "ButtonTestPOut3", "ButtonTestRpm",  "ButtonTestServoPlus", "ButtonTestServoMinus"};
    for (std::size_t i = 0; i < index.testButtons.size(); ++i) {
        index.testButtons[i] = idOf(model, testButtons[i]);
    }
    return index;
}

}  // namespace tz::design
