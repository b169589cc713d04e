// Turns what the session reports into the window: the message line and the
// progress gauge, boxes for refused transfers and ports, the port label and
// menu, the image shown again after the link or the history changed it, and
// the live monitor.
#pragma once

#include <map>
#include <string>

#include "controls/control_model.h"
#include "design/window_index.h"
#include "presenter/captions.h"
#include "presenter/field_binding.h"
#include "presenter/layout_rules.h"
#include "presenter/message_line.h"
#include "presenter/monitor_view.h"
#include "presenter/services.h"
#include "presenter/window_mode.h"
#include "session/session.h"

namespace tz::presenter {

class SessionView {
  public:
    SessionView(ui::ControlModel& controls, const design::WindowIndex& index,
                session::Session& session, WindowMode& mode, MessageLine& messageLine,
                MonitorView& monitor, FieldBinding& binding, LayoutRules& layout,
                const Captions& captions, Dialogs& dialogs);

    void apply(const session::Events& events);
    // Undo and redo are enabled as the history allows.
    void updateHistoryButtons();
    // Every bound control shows the image: it is new as a whole.
    void showWholeImage();

  private:
    void apply(const session::Event& event);
    void portOpened(const link::PortOpened& opened);
    // Each port item's hint names its device, or the permission problem of a
    // device that could not be opened for it.
    void showPortHints();
    void historyRestored(int page);
    const texts::MessageCatalogue& messages() const { return captions_.messages(); }

    ui::ControlModel& controls_;
    const design::WindowIndex& index_;
    session::Session& session_;
    WindowMode& mode_;
    MessageLine& messageLine_;
    MonitorView& monitor_;
    FieldBinding& binding_;
    LayoutRules& layout_;
    const Captions& captions_;
    Dialogs& dialogs_;
    // The devices this run was not allowed to open, with their groups.
    std::map<std::string, std::string> deniedDevices_;
    // The automatic search told of a device it may not open.
    bool toldSearchDenied_ = false;
};

}  // namespace tz::presenter
