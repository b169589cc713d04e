// The two modes that change how the whole window looks: the print layout,
// in which editing aids are hidden and the background is white, and the
// test mode, in which the unit's test values show.
#pragma once

namespace tz::presenter {

struct WindowMode {
    bool printLayout = false;
    bool testMode = false;
};

}  // namespace tz::presenter
