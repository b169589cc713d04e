#include "presenter/session_view.h"

#include "design/control_names.h"
#include "presenter/log_commands.h"
#include "session/reports.h"
#include "texts/unit_state_texts.h"

namespace tz::presenter {

SessionView::SessionView(ui::ControlModel& controls, const design::WindowIndex& index,
                         session::Session& session, WindowMode& mode, MessageLine& messageLine,
                         MonitorView& monitor, FieldBinding& binding, LayoutRules& layout,
                         const Captions& captions, Dialogs& dialogs)
    : controls_(controls),
      index_(index),
      session_(session),
      mode_(mode),
      messageLine_(messageLine),
      monitor_(monitor),
      binding_(binding),
      layout_(layout),
      captions_(captions),
      dialogs_(dialogs) {}

void SessionView::apply(const session::Events& events) {
    for (const session::Event& e : events) apply(e);
}

void SessionView::apply(const session::Event& event) {
    std::visit(
        session::EventHandlers{
            [this](const link::ReportShown& e) {
                const session::ReportText t = session::reportText(e.report);
                messageLine_.show(messages()[t.message] + t.ending,
                                  t.error ? ui::Colour::Red : ui::Colour::ButtonFace);
            },
            [this](const link::ProgrammingDone&) {
                messageLine_.setText(session::programmingDoneLine(messages()));
            },
            [this](const link::ReportCleared&) { messageLine_.expire(); },
            [this](const link::ProgressChanged& e) {
                messageLine_.setProgress(e.maximum, e.position);
            },
            [this](const link::ProgressShown&) { messageLine_.showProgress(); },
            [this](const link::TransferEnded& e) {
                if (e.outcome == link::Outcome::VersionMismatch)
                    dialogs_.showMessage(session::versionMismatchLine(messages(), e.unitVersion));
            },
            [this](const link::PortOpened& e) { portOpened(e); },
            [this](const session::ImageRepaired&) { showWholeImage(); },
            [this](const session::ImageRead&) {
                showWholeImage();
                updateHistoryButtons();
            },
            [this](const link::MonitorFrame& e) {
                monitor_.showFrame(e.live);
                if (e.runningChanged) layout_.refresh();
            },
            [this](const link::ConnectionLost& e) {
                monitor_.connectionLost(captions_.textLanguage());
                if (e.runningChanged) layout_.refresh();
            },
            [this](const session::HistoryRestored& e) { historyRestored(e.page); },
            [this](const session::SettingsChanged& e) {
                binding_.showSettings(session_.image(), e.settings);
            },
            [this](const session::RecordingFailed& e) {
                dialogs_.showMessage(recordingFailedText(e, captions_.textLanguage()));
            },
            // The comparisons part shows these.
            [](const session::UnitPagesRead&) {},
            [](const session::RestorePointKept&) {},
        },
        event);
}

void SessionView::portOpened(const link::PortOpened& opened) {
    const std::string& device = session_.link().device();
    controls_.setCaption(
        controls_.id(ctl::LabelCom),
        "COM= " + (device.empty() ? "COM" + std::to_string(opened.tried + 1) : device));
    const bool denied = opened.failure == link::OpenFailure::Permission;
    const std::string deniedText =
        denied ? texts::noPermissionText(captions_.textLanguage(), device, opened.group) : "";
    if (denied)
        deniedDevices_[device] = opened.group;
    else if (opened.opened)
        deniedDevices_.erase(device);
    if (opened.tellUser) {
        if (opened.failure == link::OpenFailure::Busy)
            dialogs_.showMessage(messages()[texts::Msg::MsgPortBusy] + device);
        else if (denied)
            dialogs_.showMessage(deniedText);
        else
            dialogs_.showMessage(messages()[texts::Msg::MsgComOpenError]);
    } else if (denied && opened.choice == kPortAuto && !toldSearchDenied_) {
        // The search goes on silently; the first such device is named once.
        toldSearchDenied_ = true;
        messageLine_.show(deniedText, ui::Colour::Red);
    }
    for (std::size_t i = 0; i < index_.portItems.size(); ++i)
        controls_.setChecked(index_.portItems[i], static_cast<int>(i) == opened.choice);
    showPortHints();
    mode_.printLayout = false;
}

void SessionView::showPortHints() {
    const std::vector<std::string> devices = session_.link().portDevices();
    for (std::size_t i = 0; i < devices.size() && i + 1 < index_.portItems.size(); ++i) {
        const auto denied = deniedDevices_.find(devices[i]);
        controls_.setHint(
            index_.portItems[i],
            denied == deniedDevices_.end()
                ? devices[i]
                : texts::noPermissionText(captions_.textLanguage(), devices[i], denied->second));
    }
}

void SessionView::historyRestored(int page) {
    if (layout_.activePage() != page) {
        controls_.setItemIndex(controls_.id(ctl::PageControl1), page);
        session_.setActivePage(page);
        layout_.refresh();
    }
    updateHistoryButtons();
}

void SessionView::showWholeImage() {
    session_.takeChangedSettings();
    binding_.showImage(session_.image());
}

void SessionView::updateHistoryButtons() {
    const bool undo = session_.canUndo();
    const bool redo = session_.canRedo();
    controls_.setEnabled(controls_.id(ctl::SpeedButtonZpet), undo);
    controls_.setEnabled(controls_.id(ctl::MenuZpet), undo);
    controls_.setEnabled(controls_.id(ctl::SpeedButtonZnovu), redo);
    controls_.setEnabled(controls_.id(ctl::MenuZnovu), redo);
}

}  // namespace tz::presenter
