#include "editing/history.h"

#include <algorithm>

namespace tz {

namespace {
constexpr int kPageByte = kImageSize;
}

void History::reset(const Image& image, int page) {
    first_ = current_ = last_ = 0;
    auto& slot = ring_[0];
    slot.fill(0);
    std::copy(image.begin(), image.end(), slot.begin());
    slot[kPageByte] = static_cast<std::uint8_t>(page);
}

bool History::push(const Image& image, int page) {
    const auto& now = ring_[static_cast<std::size_t>(current_)];
    if (std::equal(image.begin(), image.end(), now.begin())) return false;
    current_ = next(current_);
    last_ = current_;
    if (first_ == current_) first_ = next(first_);
    auto& slot = ring_[static_cast<std::size_t>(current_)];
    slot.fill(0);
    std::copy(image.begin(), image.end(), slot.begin());
    slot[kPageByte] = static_cast<std::uint8_t>(page);
    return true;
}

History::Snapshot History::at(int slot) const {
    const auto& bytes = ring_[static_cast<std::size_t>(slot)];
    Snapshot s;
    std::copy(bytes.begin(), bytes.begin() + kImageSize, s.image.begin());
    s.page = bytes[kPageByte];
    return s;
}

std::optional<History::Snapshot> History::undo() {
    if (!canUndo()) return std::nullopt;
    current_ = previous(current_);
    return at(current_);
}

std::optional<History::Snapshot> History::redo() {
    if (!canRedo()) return std::nullopt;
    current_ = next(current_);
    return at(current_);
}

std::array<std::uint8_t, History::kSnapshotSize> History::snapshotBytes(int slot) const {
    return ring_[static_cast<std::size_t>(slot)];
}

}  // namespace tz
