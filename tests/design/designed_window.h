// The main window as built at start-up: the design, the Power Out page and
// the port menu, built once for all tests.
#pragma once

#include "controls/control_model.h"
#include "design/window_design.h"

namespace tz::design::testing {

inline const ui::ControlModel& designedWindow() {
    static const ui::ControlModel model = [] {
        ui::ControlModel m;
        buildWindowDesign(m);
        BuildPowerOutPage(m);
        BuildPortMenu(m);
        return m;
    }();
    return model;
}

}  // namespace tz::design::testing
