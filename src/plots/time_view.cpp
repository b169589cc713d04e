#include "plots/time_view.h"

#include <algorithm>
#include <cmath>

namespace tz::plots {

void TimeView::reset(std::int64_t durationMs) {
    length_ = std::max<std::int64_t>(durationMs, 1);
    showWhole();
}

void TimeView::showWhole() {
    from_ = 0;
    to_ = length_;
}

void TimeView::place(std::int64_t from, std::int64_t span) {
    span = std::clamp(span, std::min(kMinSpanMs, length_), length_);
    from_ = std::clamp<std::int64_t>(from, 0, length_ - span);
    to_ = from_ + span;
}

void TimeView::zoom(std::int64_t aroundMs, double factor) {
    aroundMs = std::clamp(aroundMs, from_, to_);
    const auto span =
        static_cast<std::int64_t>(std::llround(static_cast<double>(spanMs()) * factor));
    const double share = static_cast<double>(aroundMs - from_) / static_cast<double>(spanMs());
    const std::int64_t newSpan = std::clamp(span, std::min(kMinSpanMs, length_), length_);
    place(aroundMs - std::llround(share * static_cast<double>(newSpan)), newSpan);
}

void TimeView::pan(std::int64_t byMs) {
    place(from_ + byMs, spanMs());
}

void TimeView::follow(std::int64_t ms) {
    if (ms >= from_ && ms <= to_) return;
    place(ms < from_ ? ms - spanMs() + 1 : ms, spanMs());
}

}  // namespace tz::plots
