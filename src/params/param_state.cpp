#include "params/param_state.h"

#include "params/defaults.h"

namespace tz {

ParamState firstStartState() {
    ParamState state;
    state.image[field::BIKE] = 0;
    ApplyDefaults(state.image, state.keepSpecial);
    state.normalise();
    return state;
}

}  // namespace tz
