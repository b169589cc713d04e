#include "design/window_design.h"

#include <string>

#include "design/design_builder.h"

namespace tz::design {

// Thirty fixed ports, then the automatic search; one of them carries the
// check mark once the port is opened.
void BuildPortMenu(ui::ControlModel& model) {
    constexpr int kFixedPorts = 30;
    const Builder menu(model, model.id(ui::ControlName{"MenuCom"}));
    for (int i = 0; i <= kFixedPorts; ++i) {
        ui::Control item =
            control(ui::Kind::MenuItem, "MenuCom" + std::to_string(i + 1), {},
                    i < kFixedPorts ? "Com " + std::to_string(i + 1) : std::string("Com Auto"));
        item.checkable = true;
        menu.add(std::move(item));
    }
}

}  // namespace tz::design
