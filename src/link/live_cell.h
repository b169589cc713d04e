// The advance-map cell and servo-curve point at which the engine runs now.
#pragma once

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

}  // namespace tz::link
