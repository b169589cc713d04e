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
    // The one repair of an image that is sent to the unit, compared with it,
    // saved or shown in the editors: what the editors can show of it
    // (editor_rules.h), then the normalisation.
    void repair();
};

// The state of a first start without saved files: BIKE 0, the defaults and
// the first normalisation, which records both RPM axes.
ParamState firstStartState();

}  // namespace tz
