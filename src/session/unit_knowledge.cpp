#include "session/unit_knowledge.h"

namespace tz::session {

namespace {

bool sameUnit(const link::UnitInfo& a, const link::UnitInfo& b) {
    return a.name == b.name && a.date == b.date && a.time == b.time;
}

}  // namespace

void UnitKnowledge::known(const Image& image, const link::UnitInfo& unit) {
    image_ = image;
    unit_ = unit;
    comparedWindow_.reset();
}

void UnitKnowledge::forget() {
    image_.reset();
    comparedWindow_.reset();
}

void UnitKnowledge::infoPage(const link::UnitInfo& unit) {
    if (image_ && !sameUnit(unit, unit_)) forget();
}

void UnitKnowledge::refused(const Image& image) {
    if (image_ && DiffImages(image, *image_).empty()) forget();
}

const UnitState& UnitKnowledge::state(const Image& window) const {
    if (comparedWindow_ == window) return state_;
    comparedWindow_ = window;
    state_ = {};
    if (!image_) return state_;
    state_.differences = DiffImages(window, *image_);
    state_.match = state_.differences.empty() ? UnitMatch::Same : UnitMatch::Differs;
    return state_;
}

}  // namespace tz::session
