// The drawing surfaces of the graphs: each paint runs the graph's drawing
// on a picture of the surface's size, which the surface then shows.
#pragma once

#include <QImage>
#include <functional>
#include <map>

#include "presenter/services.h"

namespace tz::gui {

class ControlBinding;

class QtSurfaces : public Surfaces {
  public:
    // The binding is created after the window's logic; until then painting
    // waits for the next request.
    explicit QtSurfaces(std::function<ControlBinding*()> binding) : binding_(std::move(binding)) {}

    void paint(ui::ControlId surface, const std::function<void(graphs::Canvas&)>& draw) override;
    void movePointer(ui::ControlId surface, int x, int y) override;

  private:
    std::function<ControlBinding*()> binding_;
    std::map<ui::ControlId, QImage> pictures_;
};

}  // namespace tz::gui
