// The parameter image together with the state that its repair carries from
// one normalisation to the next.
#pragma once

#include "params/image.h"
#include "params/normalise.h"

namespace tz {

struct ParamState {
    Image image{};
    BreakpointMemory memory;
    OutsideSettings outside;
    bool keepSpecial = false;

    void normalise() { NormaliseImage(image, memory, outside); }
};

// The state of a first start without saved files: BIKE 0, the defaults and
// the first normalisation, which records both RPM axes.
ParamState firstStartState();

}  // namespace tz
