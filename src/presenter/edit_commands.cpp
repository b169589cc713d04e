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

void EditCommands::edit(const SettingEdit& edit) {
    this->edit(CellBlockEdit{{edit}});
}

void EditCommands::edit(const CellBlockEdit& edit) {
    session_.setActivePage(layout_.activePage());
    show(session_.edit(edit), edit.cells);
    view_.updateHistoryButtons();
}

void EditCommands::editTo(const Image& edited) {
    edit(cellBlockEdit(session_.image(), edited));
}

void EditCommands::commitImage() {
    session_.setActivePage(layout_.activePage());
    show(session_.commit(), {});
    view_.updateHistoryButtons();
}

void EditCommands::show(session::Events events, const std::vector<SettingEdit>& edited) {
    for (session::Event& event : events) {
        auto* changed = std::get_if<session::SettingsChanged>(&event);
        if (changed == nullptr) continue;
        std::vector<SettingId>& settings = changed->settings;
        for (const SettingEdit& e : edited)
            if (std::find(settings.begin(), settings.end(), e.setting) == settings.end())
                settings.push_back(e.setting);
    }
    view_.apply(events);
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
    const CellBlockEdit typed = binding_.typedEdits(session_.image());
    show(session_.hold(typed), typed.cells);
    return true;
}

void EditCommands::editControl(ui::ControlId control) {
    if (const std::optional<SettingEdit> e = binding_.editOf(control, session_.image()))
        editWithTyped(*e);
}

void EditCommands::editWithTyped(const SettingEdit& e) {
    CellBlockEdit block = binding_.typedEdits(session_.image());
    block.cells.push_back(e);
    edit(block);
}

Image EditCommands::typedImage() const {
    Image image = session_.image();
    for (const SettingEdit& e : binding_.typedEdits(image).cells) applyEdit(image, e);
    return image;
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
    return checkBox == id(ctl::CheckBoxProgHned) || binding_.find(checkBox) != nullptr;
}

void EditCommands::upDownClicked(ui::ControlId upDown) {
    if (binding_.busy() || !isParameterUpDown(upDown)) return;
    editControl(upDown);
}

void EditCommands::editExited(ui::ControlId edit) {
    if (binding_.busy() || !isParameterEdit(edit)) return;
    editControl(edit);
}

bool EditCommands::keyPressed(ui::ControlId edit, const KeyPress& key) {
    if (key.code != kKeyEnter) return false;
    if (binding_.busy() && !isRunTimeEdit(edit)) return false;
    controls_.requestFocusNext(edit);
    editControl(edit);
    return true;
}

void EditCommands::checkBoxReleased(ui::ControlId checkBox) {
    const ui::ControlId programAfterChange = id(ctl::CheckBoxProgHned);
    if (binding_.busy() || !isParameterCheckBox(checkBox)) return;
    if (checkBox == programAfterChange) {
        session_.setProgramAfterChange(controls_.checked(programAfterChange));
        recordChange();
        layout_.refresh();
        return;
    }
    editControl(checkBox);
}

bool EditCommands::radioClicked(ui::ControlId radioGroup, int index) {
    const BoundControl* bound = binding_.find(radioGroup);
    if (bound == nullptr) return false;
    editWithTyped(SettingEdit{bound->setting, index});
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
    Image im = typedImage();
    for (int r = 0; r < kMapRows; ++r) {
        std::uint8_t& cell = im[advanceCell(r, column)];
        cell = static_cast<std::uint8_t>(std::clamp(cell + step, 0, kMaxAdvance));
    }
    editTo(im);
}

void EditCommands::mapShift(int step) {
    if (binding_.busy()) return;
    Image im = typedImage();
    const link::LiveCell& live = monitor_.liveCell();
    if (controls_.checked(id(ctl::CheckBoxIgnAll))) {
        shiftCells(im, step);
    } else if (live.hasCell) {
        std::uint8_t& cell = im[advanceCell(live.row, live.column)];
        cell = static_cast<std::uint8_t>(std::clamp(cell + step, 0, kMaxAdvance));
    }
    editTo(im);
}

// "Advance +/-" with "All" (or "Sel"): every cell, or the selected ones.
void EditCommands::shiftCells(Image& im, int step) const {
    const editing::TSelcell& selection = graphs_.selection();
    const bool all = selection.state == editing::BandState::Empty;
    for (int k = 0; k < kMapRows * kMapColumns; ++k) {
        if (!all && selection.cellFlags[static_cast<std::size_t>(k)] == 0) continue;
        std::uint8_t& cell = im[ADVANCE + k];
        cell = static_cast<std::uint8_t>(std::clamp(cell + step, 0, kMaxAdvance));
    }
}

void EditCommands::servoShift(int step) {
    if (binding_.busy()) return;
    const bool all = controls_.checked(id(ctl::CheckBoxServoAll));
    Image im = typedImage();
    for (int i = 0; i < kAxisPoints; ++i) {
        if (!all && i != monitor_.liveCell().servoPoint) continue;
        std::uint8_t& mv = im[SERVO_MV + i];
        if (step < 0 && mv > 1) --mv;
        if (step > 0 && mv < 249) ++mv;
    }
    editTo(im);
}

void EditCommands::tps0Clicked() {
    const int v = session_.live().throttleMv;
    if (v < 100 || v > 2500) return;
    edit(SettingEdit{*settingAt(TPS_0_MV), v});
}

void EditCommands::tps100Clicked() {
    const int v = session_.live().throttleMv;
    if (v < 2500 || v > 4900) return;
    edit(SettingEdit{*settingAt(TPS_100_MV), v});
}

void EditCommands::interpolate() {
    Image im = session_.image();
    if (editing::interpolateSelection(graphs_.selection(), im) ==
        editing::InterpolationResult::NoRectangle) {
        dialogs_.showError("Choose continuouse rectangle arrea of cells...");
        return;
    }
    editTo(im);
}

}  // namespace tz::presenter
