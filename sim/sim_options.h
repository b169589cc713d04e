// What the simulated unit is told on its command line.
#pragma once

#include <cstdint>
#include <string>

#include "sim/faults.h"
#include "sim/unit_model.h"

namespace tz::sim {

struct SimOptions {
    UnitConfig unit;
    FaultConfig faults;
    std::string linkPath;
    int baud = 57600;  // 0: replies leave at once
    std::string logPath;
    std::int64_t awayAfterMs = -1;  // close the terminal after this time
    std::int64_t awayForMs = 0;     // and open a new one this much later
};

}  // namespace tz::sim
