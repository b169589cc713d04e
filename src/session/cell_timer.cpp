#include "session/cell_timer.h"

namespace tz::session {

void CellTimer::frame(std::int64_t timeMs, const link::LiveValues& live, const Image& image) {
    if (hasLast_) {
        const std::int64_t gap = timeMs - lastMs_;
        if (gap <= kMaxGapMs) sums_.add(last_, image, image[field::TPS_MAPA] != 0, gap);
    }
    hasLast_ = true;
    lastMs_ = timeMs;
    last_ = live;
}

}  // namespace tz::session
