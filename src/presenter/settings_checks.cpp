#include "presenter/settings_checks.h"

#include "design/control_names.h"
#include "params/image_diff.h"
#include "session/finding_texts.h"
#include "texts/check_texts.h"

namespace tz::presenter {

using texts::CheckText;

CheckModel checkModel(const std::vector<editing::SettingsFinding>& findings,
                      const editing::CheckLimits& limits, texts::Language language,
                      const Image& image) {
    CheckModel model;
    model.title = texts::checkText(CheckText::DialogTitle, language);
    model.note =
        texts::checkText(CheckText::DialogNote, language, {std::to_string(findings.size())});
    for (const editing::SettingsFinding& f : findings)
        model.findings.push_back(session::findingText(f, limits, language, image));
    model.programAnyway = texts::checkText(CheckText::ProgramAnyway, language);
    model.cancel = texts::checkText(CheckText::Cancel, language);
    model.goToCell = texts::checkText(CheckText::GoToCell, language);
    return model;
}

SettingsChecks::SettingsChecks(ui::ControlModel& controls, const design::WindowIndex& index,
                               session::Session& session, const FieldBinding& binding,
                               LayoutRules& layout, EditCommands& edits, UnitCommands& unit,
                               SessionView& view, Captions& captions, CheckDialogs* dialogs)
    : controls_(controls),
      index_(index),
      session_(session),
      binding_(binding),
      layout_(layout),
      edits_(edits),
      unit_(unit),
      view_(view),
      captions_(captions),
      dialogs_(dialogs) {
    setMaxAdvanceStep(limits_.maxAdvanceStep);
}

void SettingsChecks::setMaxAdvanceStep(int degrees) {
    limits_.maxAdvanceStep = degrees;
    if (dialogs_ != nullptr) session_.checkAutoProgramming(limits_);
    marked_.reset();
}

void SettingsChecks::program() {
    if (dialogs_ == nullptr) return unit_.program();
    if (!edits_.takeControls()) return;
    const std::vector<editing::SettingsFinding> findings =
        editing::checkSettings(session_.image(), limits_);
    if (findings.empty() || ask(findings)) unit_.program();
}

void SettingsChecks::showPending() {
    if (!session_.changeHeld() || dialogs_ == nullptr) return;
    const std::vector<editing::SettingsFinding> findings =
        editing::checkSettings(session_.image(), limits_);
    // A change that took the findings back has been programmed as it came.
    if (!findings.empty() && ask(findings))
        view_.apply(session_.programHeldChange());
    else
        session_.dropHeldChange();
}

bool SettingsChecks::ask(const std::vector<editing::SettingsFinding>& findings) {
    const CheckChoice choice = dialogs_->showCheck(
        checkModel(findings, limits_, captions_.textLanguage(), session_.image()));
    switch (choice.action) {
        case CheckChoice::Action::ProgramAnyway:
            return true;
        case CheckChoice::Action::GoTo:
            if (choice.finding < findings.size()) goTo(findings[choice.finding]);
            return false;
        case CheckChoice::Action::Cancel:
            break;
    }
    return false;
}

ui::ControlId SettingsChecks::controlOf(const editing::SettingsFinding& f) const {
    const auto column = static_cast<std::size_t>(f.column - 1);
    switch (f.table) {
        case editing::CheckTable::Advance:
            return index_.cellEdits[static_cast<std::size_t>(10 * (f.row - 1)) + column];
        case editing::CheckTable::Rpm:
            return index_.rpmEdits[column];
        case editing::CheckTable::Servo:
            return index_.servoRpmEdits[column];
        case editing::CheckTable::None:
            break;
    }
    for (const BoundControl& b : binding_.bound())
        if (b.way == ControlWay::UpDown && setting(b.setting).byte == f.byte)
            return controls_.at(b.control).associate;
    return ui::kNoControl;
}

void SettingsChecks::goTo(const editing::SettingsFinding& finding) {
    const WindowPage page = pageOfByte(finding.byte);
    if (page != WindowPage::None) {
        const int tab = static_cast<int>(page) - 1;
        controls_.setItemIndex(controls_.id(ctl::PageControl1), tab);
        session_.setActivePage(tab);
        layout_.refresh();
    }
    const ui::ControlId control = controlOf(finding);
    if (control != ui::kNoControl) controls_.requestFocus(control);
}

void SettingsChecks::markFindings() {
    if (marked_ == session_.image()) return;
    marked_ = session_.image();
    for (ui::ControlId id : markedControls_) controls_.setFontColour(id, ui::Colour::Black);
    markedControls_.clear();
    for (const editing::SettingsFinding& f : editing::checkSettings(session_.image(), limits_)) {
        // A step marks both of its cells.
        editing::SettingsFinding other = f;
        other.row = f.otherRow;
        other.column = f.otherColumn;
        for (const ui::ControlId id :
             {controlOf(f), f.otherRow > 0 ? controlOf(other) : ui::kNoControl}) {
            if (id == ui::kNoControl) continue;
            controls_.setFontColour(id, ui::Colour::Finding);
            markedControls_.push_back(id);
        }
    }
}

}  // namespace tz::presenter
