#include "link/save_watch.h"

namespace tz::link {

void SaveWatch::start() {
    *this = SaveWatch();
    pending_ = true;
}

SaveWatch::Verdict SaveWatch::step(int countdown, bool answering) {
    if (!pending_) return Verdict::Pending;
    if (!answering) {
        if (++awayTicks_ < kSaveAwayTicks) return Verdict::Pending;
        pending_ = false;
        return Verdict::Failed;
    }
    awayTicks_ = 0;
    ++ticks_;
    if (countdown > 0) counting_ = true;
    const bool ended = counting_ ? countdown == 0 : ticks_ >= kSaveStartTicks;
    if (!ended && ticks_ < kSaveMaxTicks) return Verdict::Pending;
    pending_ = false;
    return Verdict::Saved;
}

}  // namespace tz::link
