// Round numbers for axes: steps of 1, 2 or 5 times a power of ten, and value
// ranges that begin and end on such a step.
#pragma once

#include <cstdint>

namespace tz::plots {

// The smallest step of 1, 2 or 5 times a power of ten (at least 1) that is
// not below `rough`.
std::int64_t niceStep(double rough);

struct ValueRange {
    int low = 0;
    int high = 1;  // always above low
    int step = 1;
};

// A range holding min..max in about `steps` round steps.
ValueRange niceRange(int min, int max, int steps);

}  // namespace tz::plots
