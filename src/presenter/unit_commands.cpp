#include "presenter/unit_commands.h"

namespace tz::presenter {

UnitCommands::UnitCommands(ui::ControlModel& controls, const design::WindowIndex& index,
                           session::Session& session, EditCommands& edits, SessionView& view,
                           Captions& captions)
    : controls_(controls),
      index_(index),
      session_(session),
      edits_(edits),
      view_(view),
      captions_(captions) {}

void UnitCommands::program() {
    if (!edits_.takeControls()) return;
    view_.apply(session_.program());
}

void UnitCommands::verify() {
    if (!edits_.takeControls()) return;
    view_.apply(session_.verify());
}

void UnitCommands::read() {
    view_.apply(session_.read());
    captions_.updateWindowTitle();
}

void UnitCommands::choosePort(int index) {
    portChosen_ = true;
    view_.apply(session_.choosePort(index));
}

void UnitCommands::openPort() {
    view_.apply(session_.openPort());
}

bool UnitCommands::testButton(ui::ControlId button) {
    for (std::size_t i = 0; i < index_.testButtons.size(); ++i) {
        if (index_.testButtons[i] != button) continue;
        session_.pressTestButton(static_cast<link::TestButton>(i));
        return true;
    }
    return false;
}

}  // namespace tz::presenter
