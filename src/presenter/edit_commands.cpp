#include "presenter/edit_commands.h"

#include <algorithm>

#include "design/control_names.h"
#include "editing/interpolation.h"
#include "presenter/ui_events.h"

namespace tz::presenter {

using namespace field;

namespace {

constexpr int kMaxAdvance = 60;

// Edit boxes and up/downs whose values wait for the next read of any kind:
// they commit only on Enter, or not at all.
constexpr ui::ControlName kEnterOnlyEdits[] = {ctl::EditStartLimiterPause, ctl::EditTestRpm,
                                               ctl::EditTestServo};
constexpr ui::ControlName kSilentUpDowns[] = {ctl::UpDownStartLimiterPause, ctl::UpDownTestRpm,
                                              ctl::UpDownTestServo};

template <std::size_t N>
bool isAmong(const ui::ControlModel& m, ui::ControlId id, const ui::ControlName (&names)[N]) {
    return std::any_of(std::begin(names), std::end(names),
                       [&](ui::ControlName name) { return m.id(name) == id; });
}

template <typename Table>
bool contains(const Table& table, ui::ControlId id) {
    return std::find(table.begin(), table.end(), id) != table.end();
}

}  // namespace

EditCommands::EditCommands(ui::ControlModel& controls, const design::WindowIndex& index,
                           session::Session& session, FieldBinding& binding, LayoutRules& layout,
                           SessionView& view, GraphAreaHost& graphs, const MonitorView& monitor,
                           Dialogs& dialogs)
    : controls_(controls),
      index_(index),
      session_(session),
      binding_(binding),
      layout_(layout),
      view_(view),
      graphs_(graphs),
      monitor_(monitor),
      dialogs_(dialogs) {}

void EditCommands::commitEdit() {
    session_.repair();
    binding_.showImage(session_.image());
    binding_.showImage(session_.image());
    recordChange();
}

void EditCommands::recordChange() {
    session_.setActivePage(layout_.activePage());
    view_.apply(session_.record());
    view_.updateHistoryButtons();
}

void EditCommands::resetHistory() {
    session_.setActivePage(layout_.activePage());
    session_.resetHistory();
    view_.updateHistoryButtons();
}

void EditCommands::undo() {
    view_.apply(session_.undo());
}

void EditCommands::redo() {
    view_.apply(session_.redo());
}

bool EditCommands::takeControls() {
    if (binding_.busy()) return false;
    binding_.readControls(session_.image());
    session_.repair();
    binding_.showImage(session_.image());
    return true;
}

bool EditCommands::isParameterUpDown(ui::ControlId upDown) const {
    return !isAmong(controls_, upDown, kSilentUpDowns);
}

bool EditCommands::isParameterEdit(ui::ControlId edit) const {
    return !isAmong(controls_, edit, kEnterOnlyEdits);
}

bool EditCommands::isRunTimeEdit(ui::ControlId edit) const {
    return std::any_of(index_.powerOuts.begin(), index_.powerOuts.end(),
                       [edit](const design::PowerOutControls& p) {
                           return contains(p.rpmEdits, edit) || contains(p.tpsEdits, edit);
                       });
}

bool EditCommands::isParameterCheckBox(ui::ControlId checkBox) const {
    const bool zone = std::any_of(
        index_.powerOuts.begin(), index_.powerOuts.end(),
        [checkBox](const design::PowerOutControls& p) { return contains(p.zones, checkBox); });
    return zone || checkBox == id(ctl::CheckBoxProgHned) ||
           checkBox == id(ctl::CheckBoxCrossBlock) || checkBox == id(ctl::CheckBoxPredPalec) ||
           binding_.isFieldCheckBox(checkBox);
}

void EditCommands::upDownClicked(ui::ControlId upDown) {
    if (binding_.busy() || !isParameterUpDown(upDown)) return;
    binding_.readControls(session_.image());
    commitEdit();
}

void EditCommands::editExited(ui::ControlId edit) {
    if (binding_.busy() || !isParameterEdit(edit)) return;
    binding_.readControls(session_.image());
    commitEdit();
}

bool EditCommands::keyPressed(ui::ControlId edit, const KeyPress& key) {
    if (key.code != kKeyEnter) return false;
    if (binding_.busy() && !isRunTimeEdit(edit)) return false;
    controls_.requestFocusNext(edit);
    binding_.readControls(session_.image());
    commitEdit();
    return true;
}

void EditCommands::checkBoxReleased(ui::ControlId checkBox) {
    const ui::ControlId programAfterChange = id(ctl::CheckBoxProgHned);
    if (checkBox == programAfterChange)
        session_.setProgramAfterChange(controls_.checked(programAfterChange));
    if (binding_.busy() || !isParameterCheckBox(checkBox)) return;
    binding_.readControls(session_.image());
    layout_.refresh();
    commitEdit();
}

bool EditCommands::radioClicked(ui::ControlId radioGroup, int index) {
    const std::pair<ui::ControlName, int> fields[] = {
        {ctl::RadioGroupInput1, INPUT1_FUNCTION},
        {ctl::RadioGroupInput2, INPUT2_FUNCTION},
        {ctl::RadioGroupPickup1Polarita, PICKUP1_POLARITY},
        {ctl::RadioGroupPickup2Polarita, PICKUP2_POLARITY},
    };
    int byte = -1;
    for (auto [group, field] : fields)
        if (radioGroup == id(group)) byte = field;
    for (int n = 0; n < kPowerOutputs; ++n)
        if (radioGroup == index_.powerOuts[static_cast<std::size_t>(n)].modeGroup)
            byte = powerOutMode(n);
    if (byte < 0) return false;
    session_.image()[byte] = encoding::byteOf(index);
    recordChange();
    layout_.refresh();
    return true;
}

void EditCommands::spinClicked(ui::ControlId spinButton, int direction) {
    if (spinButton == id(ctl::CSpinButtonAll)) return mapShift(direction);
    if (spinButton == id(ctl::CSpinButton11)) return servoShift(direction);
    for (int c = 0; c < kMapColumns; ++c)
        if (spinButton == index_.columnSpins[static_cast<std::size_t>(c)])
            return columnShift(c, direction);
}

void EditCommands::columnShift(int column, int step) {
    if (binding_.busy()) return;
    binding_.readControls(session_.image());
    Image& im = session_.image();
    for (int r = 0; r < kMapRows; ++r) {
        std::uint8_t& cell = im[advanceCell(r, column)];
        cell = static_cast<std::uint8_t>(std::clamp(cell + step, 0, kMaxAdvance));
    }
    commitEdit();
}

void EditCommands::mapShift(int step) {
    if (binding_.busy()) return;
    binding_.readControls(session_.image());
    session_.normalise();
    const link::LiveCell& live = monitor_.liveCell();
    if (controls_.checked(id(ctl::CheckBoxIgnAll))) {
        shiftCells(step);
    } else if (live.hasCell) {
        std::uint8_t& cell = session_.image()[advanceCell(live.row, live.column)];
        cell = static_cast<std::uint8_t>(std::clamp(cell + step, 0, kMaxAdvance));
        session_.normalise();
    }
    commitEdit();
}

// "Advance +/-" with "All" (or "Sel"): every cell, or the selected ones.
void EditCommands::shiftCells(int step) {
    const editing::TSelcell& selection = graphs_.selection();
    const bool all = selection.state == editing::BandState::Empty;
    Image& im = session_.image();
    for (int k = 0; k < kMapRows * kMapColumns; ++k) {
        if (!all && selection.cellFlags[static_cast<std::size_t>(k)] == 0) continue;
        std::uint8_t& cell = im[ADVANCE + k];
        cell = static_cast<std::uint8_t>(std::clamp(cell + step, 0, kMaxAdvance));
    }
    session_.normalise();
}

void EditCommands::servoShift(int step) {
    if (binding_.busy()) return;
    binding_.readControls(session_.image());
    const bool all = controls_.checked(id(ctl::CheckBoxServoAll));
    Image& im = session_.image();
    for (int i = 0; i < kAxisPoints; ++i) {
        if (!all && i != monitor_.liveCell().servoPoint) continue;
        std::uint8_t& mv = im[SERVO_MV + i];
        if (step < 0 && mv > 1) --mv;
        if (step > 0 && mv < 249) ++mv;
    }
    commitEdit();
}

void EditCommands::tps0Clicked() {
    const int v = session_.live().throttleMv;
    if (v < 100 || v > 2500) return;
    session_.image()[TPS_0_MV] = encoding::byteOf(v / 10);
    commitEdit();
}

void EditCommands::tps100Clicked() {
    const int v = session_.live().throttleMv;
    if (v < 2500 || v > 4900) return;
    session_.image()[TPS_100_MV] = encoding::byteOf(v / 10 + 6);
    commitEdit();
}

void EditCommands::interpolate() {
    if (editing::interpolateSelection(graphs_.selection(), session_.image()) ==
        editing::InterpolationResult::NoRectangle) {
        dialogs_.showError("Choose continuouse rectangle arrea of cells...");
        return;
    }
    commitEdit();
}

}  // namespace tz::presenter
