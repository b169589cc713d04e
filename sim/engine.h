// A simulated engine that runs from idle up to the rev limiter and back,
// over and over, through the advance map and the servo curve of the
// unit's stored settings; inputs, outputs and an occasional pick-up error
// follow its speed and throttle.
#pragma once

#include <cstdint>

#include "params/image.h"
#include "sim/monitor_fields.h"

namespace tz::sim {

inline constexpr int kEngineCycleMs = 20000;

void RunEngine(MonitorFields& fields, std::int64_t nowMs, const Image& stored);

}  // namespace tz::sim
