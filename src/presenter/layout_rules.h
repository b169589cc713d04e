// Visibility, enabled state and colours of the controls, derived anew from
// the image and the window's state at every refresh: the print layout, the
// Bike and Inputs pages, the live labels, the Power Out page, the map grid
// and the graph area.
#pragma once

#include "controls/control_model.h"
#include "design/window_index.h"
#include "presenter/graph_area_host.h"
#include "presenter/window_mode.h"
#include "session/session.h"

namespace tz::presenter {

class LayoutRules {
  public:
    LayoutRules(ui::ControlModel& controls, const design::WindowIndex& index,
                const session::Session& session, const WindowMode& mode, GraphAreaHost& graphs);

    void refresh();
    // The page shown (0 Inputs .. 5 Test).
    int activePage() const;

  private:
    void colours();
    void printHidden();
    void bikePage();
    void inputsPage();
    void liveLabels();
    void powerOutPage();
    void grid();
    ui::ControlId id(ui::ControlName name) const { return controls_.id(name); }

    ui::ControlModel& controls_;
    const design::WindowIndex& index_;
    const session::Session& session_;
    const WindowMode& mode_;
    GraphAreaHost& graphs_;
};

}  // namespace tz::presenter
