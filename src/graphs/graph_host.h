// What the graphs need from the window that shows them. The window
// implements it; tests use a fake. Surfaces are named after the canvas
// controls that show them (graph_area.h lists the names).
#pragma once

#include <array>
#include <functional>
#include <string_view>

#include "canvas/canvas.h"
#include "params/image.h"

namespace tz::graphs {

class GraphHost {
  public:
    virtual ~GraphHost() = default;

    // The parameter image the graphs load from.
    virtual const Image& image() const = 0;
    // An intermediate drag position: the host takes the edited image's
    // values and normalises them, nothing recorded.
    virtual void dragTo(const Image& edited) = 0;
    // The after-edit step with the edited image's values: repair, show what
    // changed and record one history step. Called at the end of a drag and
    // by the wheel.
    virtual void commitEdit(const Image& edited) = 0;

    // Runs draw on the named surface at its current size and shows the
    // result on screen. Called by the graph service on a tick and when the
    // grid overlay changes.
    virtual void paint(std::string_view surface, const std::function<void(Canvas&)>& draw) = 0;
    // The status text of a graph, shown as the surface's hint.
    virtual void setHint(std::string_view surface, std::string_view text) = 0;
    // Moves the mouse pointer to (x, y) in the surface's own pixels; the
    // graph then ignores the move event that this causes.
    virtual void movePointer(std::string_view surface, int x, int y) = 0;
    // Gives the keyboard focus to the named control ("EditNapPriv4").
    virtual void focusControl(std::string_view name) = 0;

    // The 3D view's angle bars X, Y, Z take these positions (mouse rotation
    // and presets); no change event is expected back.
    virtual void setAngleBars(const std::array<int, 3>& positions) = 0;
    // The selection changed between empty and not empty: the captions are
    // filled again ("Sel" / "All").
    virtual void refreshCaptions() = 0;
};

}  // namespace tz::graphs
