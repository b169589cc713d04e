// The advance-map cell and servo-curve point at which the engine runs now,
// and the colours that mark them in the window.
#pragma once

#include <string>
#include <vector>

#include "controls/control.h"
#include "link/monitor.h"
#include "params/image.h"

namespace tz::link {

struct LiveCell {
    bool hasCell = false;  // false below the first RPM breakpoint
    int row = 9;
    int column = 0;
    int servoPoint = 0;

    bool operator==(const LiveCell&) const = default;
};

// From the live speed and throttle, the image's RPM_ADV and SERVO_RPM axes
// and whether the map uses the throttle rows (CheckBoxTpsMapa).
LiveCell HighlightLiveCell(const LiveValues& live, const Image& image, bool tpsMapChecked);

struct ControlColour {
    std::string name;
    ui::Colour colour;

    bool operator==(const ControlColour&) const = default;
};

// Lime for the live cell, its column breakpoint, its row label and the live
// servo point; window or button face for the others. 140 entries:
// EditRpmAdv1..10, LabelTps1..10, EditRpmPriv1..10, EditNapPriv1..10 and
// the map cells Edit50..Edit149.
std::vector<ControlColour> LiveCellColours(const LiveCell& cell);

}  // namespace tz::link
