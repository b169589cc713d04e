// The graph area as part of the window: its controls, their placement at
// every layout refresh, the per-tick graph service, the view controls and
// what the graphs ask of the window (the image, drawing, hints, focus).
#pragma once

#include <array>
#include <functional>
#include <memory>

#include "controls/control_model.h"
#include "design/window_index.h"
#include "graphs/graph_area.h"
#include "graphs/graph_host.h"
#include "presenter/services.h"
#include "presenter/ui_events.h"
#include "session/session.h"

namespace tz::presenter {

class GraphAreaHost final : private graphs::GraphHost {
  public:
    struct Hooks {
        // The after-edit step of the window with the edited image (end of a
        // drag, the wheel).
        std::function<void(const Image&)> commitEdit;
        // The selection became empty or not empty: captions change.
        std::function<void()> refreshCaptions;
    };

    GraphAreaHost(ui::ControlModel& controls, const design::WindowIndex& index,
                  session::Session& session, Surfaces& surfaces, Keyboard& keyboard, Hooks hooks);

    // Start-up: the graph controls join the advance map and servo groups.
    void create();
    // The graph part of every layout refresh; the grid overlay is cleared
    // with the window's colour, white while printing.
    void layout(int activePage, bool printLayout);
    // Every tick, before the link's step.
    void service(int activePage);

    // The graph mode radio group: Map, 2D or 3D.
    void setMode(int index) { area_->setMode(index); }
    graphs::GraphMode mode() const { return area_->mode(); }
    // View buttons, check boxes and angle bars of the 3D graph; false when the
    // control is none of them.
    bool viewEvent(ui::ControlId control);
    void mouse(ui::ControlId surface, const PointerEvent& event);
    void wheel(int delta) { area_->MouseWheel(delta); }
    void requestRedraw(int flags) { area_->requestRedraw(flags); }

    const graphs::GraphArea& area() const { return *area_; }
    graphs::GraphArea& area() { return *area_; }
    const editing::TSelcell& selection() const { return area_->selection(); }
    bool cellsSelected() const { return selection().state != editing::BandState::Empty; }

  private:
    graphs::GroupGeometry groupGeometry(ui::ControlName group) const;

    // What the graphs need of the window.
    const Image& image() const override { return session_.image(); }
    void dragTo(const Image& edited) override {
        session_.stage(cellBlockEdit(session_.image(), edited));
    }
    void commitEdit(const Image& edited) override { hooks_.commitEdit(edited); }
    void paint(std::string_view surface, const std::function<void(graphs::Canvas&)>& draw) override;
    void setHint(std::string_view surface, std::string_view text) override;
    void movePointer(std::string_view surface, int x, int y) override;
    void focusControl(std::string_view name) override;
    void setAngleBars(const std::array<int, 3>& positions) override;
    void refreshCaptions() override { hooks_.refreshCaptions(); }

    ui::ControlModel& controls_;
    const design::WindowIndex& index_;
    session::Session& session_;
    Surfaces& surfaces_;
    Keyboard& keyboard_;
    Hooks hooks_;
    std::unique_ptr<graphs::GraphArea> area_;
    bool overlayResized_ = false;
};

}  // namespace tz::presenter
