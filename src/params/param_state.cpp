#include "params/param_state.h"

#include "params/defaults.h"
#include "params/editor_rules.h"

namespace tz {

void ParamState::repair() {
    ApplyEditorRules(image);
    normalise();
}

ParamState firstStartState() {
    ParamState state;
    state.image[field::BIKE] = 0;
    ApplyDefaults(state.image, state.keepSpecial);
    state.normalise();
    return state;
}

}  // namespace tz
