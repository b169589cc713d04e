// Faults the simulated unit can be told to make, decided reply by reply:
// drop, corrupt, delay, a wrong echo of one page, silence, garbage before
// a reply and replies split in two with a pause between the parts.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "link/frame.h"

namespace tz::sim {

struct FaultConfig {
    int dropPercent = 0;
    int corruptPercent = 0;
    int delayPercent = 0;
    int delayMs = 300;
    int garbagePercent = 0;
    int splitPercent = 0;
    int splitGapMs = 80;    // long enough for a tick to see the first part alone
    int wrongEchoPage = 0;  // 1..3: stores of this page are echoed with one byte changed
    bool silent = false;
    std::uint32_t seed = 1;
};

// Bytes to send after a pause counted from the reply's moment.
struct TimedBytes {
    std::int64_t afterMs = 0;
    std::vector<std::uint8_t> bytes;
};

class FaultInjector {
  public:
    explicit FaultInjector(const FaultConfig& config);

    // What actually goes out for a reply to a request: nothing, or one or
    // two timed pieces.
    std::vector<TimedBytes> shape(const link::Frame& request, link::Frame reply);

  private:
    bool chance(int percent);
    int between(int low, int high);

    FaultConfig config_;
    std::mt19937 random_;
};

}  // namespace tz::sim
