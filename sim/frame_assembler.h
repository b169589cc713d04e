// Collects the bytes arriving at the simulated unit into 102-byte frames.
// A pause in the middle of a frame drops what came before it, so the unit
// finds the start of the next frame after noise on the line.
#pragma once

#include <cstdint>
#include <optional>

#include "link/frame.h"

namespace tz::sim {

class FrameAssembler {
  public:
    static constexpr std::int64_t kResyncGapMs = 10;

    // A complete frame when this byte ends one.
    std::optional<link::Frame> add(std::uint8_t byte, std::int64_t nowMs) {
        if (count_ > 0 && nowMs - lastMs_ > kResyncGapMs) count_ = 0;
        lastMs_ = nowMs;
        frame_[static_cast<std::size_t>(count_++)] = byte;
        if (count_ < link::kFrameSize) return std::nullopt;
        count_ = 0;
        return frame_;
    }

  private:
    link::Frame frame_{};
    int count_ = 0;
    std::int64_t lastMs_ = 0;
};

}  // namespace tz::sim
