#include "plots/nice_scale.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace tz::plots {

std::int64_t niceStep(double rough) {
    std::int64_t power = 1;
    while (true) {
        for (const std::int64_t m : {1, 2, 5})
            if (static_cast<double>(m * power) >= rough) return m * power;
        power *= 10;
    }
}

ValueRange niceRange(int min, int max, int steps) {
    const auto step =
        static_cast<int>(niceStep(static_cast<double>(max - min) / std::max(steps, 1)));
    const auto floorTo = [step](int v) {
        return static_cast<int>(std::floor(static_cast<double>(v) / step)) * step;
    };
    ValueRange r{floorTo(min), floorTo(max), step};
    if (r.high < max || r.high == r.low) r.high += step;
    return r;
}

}  // namespace tz::plots
