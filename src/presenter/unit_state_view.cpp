#include "presenter/unit_state_view.h"

#include <algorithm>
#include <variant>

#include "design/control_names.h"
#include "design/window_design.h"
#include "texts/unit_state_texts.h"

namespace tz::presenter {

using texts::UnitStateText;

UnitStateView::UnitStateView(ui::ControlModel& controls, const session::Session& session,
                             const FieldBinding& binding, EditCommands& edits, UnitCommands& unit,
                             const Captions& captions, Dialogs& dialogs, WindowHost& host)
    : controls_(controls),
      session_(session),
      binding_(binding),
      edits_(edits),
      unit_(unit),
      captions_(captions),
      dialogs_(dialogs),
      host_(host),
      statusBar_(controls.id(ctl::StatusBar1)) {}

void UnitStateView::show() {
    const session::UnitState& state = session_.unitState();
    const texts::Language language = captions_.textLanguage();
    if (shown_ == state && shownLanguage_ == language) return;
    shown_ = state;
    shownLanguage_ = language;
    std::string text;
    switch (state.match) {
        case session::UnitMatch::Same:
            text = texts::unitStateText(UnitStateText::Same, language);
            break;
        case session::UnitMatch::Differs:
            text = texts::unitStateText(UnitStateText::Differs, language,
                                        std::to_string(state.differences.size()));
            break;
        case session::UnitMatch::NotKnown:
            text = texts::unitStateText(UnitStateText::NotKnown, language);
            break;
    }
    controls_.setPanelText(statusBar_, design::kUnitStatePanel, text);
    controls_.setPanelHint(statusBar_, design::kUnitStatePanel,
                           texts::unitStateText(UnitStateText::StatusHint, language));
    mark(state.differences);
}

void UnitStateView::mark(const std::vector<ImageDifference>& differences) {
    std::vector<ui::ControlId> marked;
    for (const ImageDifference& d : differences)
        for (ui::ControlId id : binding_.controlsOf(d.byte, d.bit)) marked.push_back(id);
    for (ui::ControlId id : marked_)
        if (std::find(marked.begin(), marked.end(), id) == marked.end())
            controls_.setMarked(id, false);
    for (ui::ControlId id : marked) controls_.setMarked(id, true);
    marked_ = std::move(marked);
}

bool UnitStateView::closeRequested(bool canAsk) {
    // A value typed but not yet entered counts.
    edits_.takeControls();
    const session::UnitState& state = session_.unitState();
    if (state.match != session::UnitMatch::Differs || !canAsk) return true;
    const texts::Language language = captions_.textLanguage();
    const std::vector<std::string> buttons = {
        texts::unitStateText(UnitStateText::ProgramAndClose, language),
        texts::unitStateText(UnitStateText::CloseWithoutProgramming, language),
        texts::unitStateText(UnitStateText::Cancel, language)};
    const std::size_t chosen =
        dialogs_.askChoice(texts::unitStateText(UnitStateText::CloseQuestion, language,
                                                std::to_string(state.differences.size())),
                           buttons);
    if (chosen == 1) return true;
    if (chosen == 0) {
        unit_.program();
        closeAfterProgramming_ = session_.link().busy();
    }
    return false;
}

void UnitStateView::apply(const session::Events& events) {
    if (!closeAfterProgramming_) return;
    for (const session::Event& event : events) {
        const auto* ended = std::get_if<link::TransferEnded>(&event);
        if (ended != nullptr && ended->operation == link::Operation::Program &&
            ended->outcome == link::Outcome::Succeeded) {
            closeAfterProgramming_ = false;
            host_.closeWindow();
            return;
        }
    }
    // A run that failed (or a backup that did not let it start) leaves the
    // window open, its report on the message line.
    if (!session_.link().busy()) closeAfterProgramming_ = false;
}

}  // namespace tz::presenter
