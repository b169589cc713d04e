// Live values with every value of a live-data log set to something other
// than its default.
#pragma once

#include "link/monitor.h"

namespace tz::logs::testing {

inline link::LiveValues busyValues(int step = 0) {
    link::LiveValues v;
    v.rpm = static_cast<std::uint16_t>(6500 + step);
    v.throttlePercent = 42;
    v.throttleMv = 2316;
    v.supplyMv = 13812;
    v.advance = {-7, 31};
    v.maxAdvance = {36, 35};
    v.servoDesiredMv = 3005;
    v.servoMeasuredMv = 4995;
    v.pickupSignal = {true, false};
    v.running = true;
    v.powerOut = {true, false, true};
    v.inputGrounded = {false, true};
    v.errorBits = 0x06;
    v.savingCountdown = 512;
    v.programCount = 1234;
    v.protocolVersion = 91;
    return v;
}

}  // namespace tz::logs::testing
