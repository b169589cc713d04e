// Repair of the parameter image after every change: the ascending RPM axes
// with their pushed-and-returning neighbours, limits, lobe numbers and the
// power-output thresholds.
#pragma once

#include <array>
#include <cstdint>

#include "params/image.h"

namespace tz {

// Settings kept outside the image that the normalisation keeps in range.
struct OutsideSettings {
    std::uint8_t language = 0;     // 0..3
    std::uint8_t portIndex = 0;    // 0..29 fixed ports, 30 automatic search
    std::uint8_t searchIndex = 0;  // 0..29, the port the search tried last
};

inline constexpr std::uint8_t kLanguageCount = 4;
inline constexpr std::uint8_t kPortAuto = 30;
inline constexpr std::uint8_t kPortCount = 30;

// Memory of the two RPM axes between normalisations. It lets breakpoints that
// an edit pushed aside spring back when the edited breakpoint is taken back.
// Indexed by image byte number; only entries 69..79 and 89..99 are used, the
// entry before each axis holding the index of the breakpoint edited last.
class BreakpointMemory {
  public:
    static constexpr std::uint8_t kManyChanged = 254;

    bool initialised() const { return initialised_; }
    std::uint8_t lastSeen(int index) const { return lastSeen_[index]; }
    bool pushed(int index) const { return pushed_[index] != 0; }
    std::uint8_t remembered(int index) const { return remembered_[index]; }

  private:
    friend void NormaliseImage(Image&, BreakpointMemory&, OutsideSettings&);
    friend class AxisRule;

    bool initialised_ = false;
    std::array<std::uint8_t, kImageSize> lastSeen_{};
    std::array<std::uint8_t, kImageSize> pushed_{};
    std::array<std::uint8_t, kImageSize> remembered_{};
};

// Brings the image back within its rules in place. The first call of a run
// only records both axes, so it never pushes anything.
void NormaliseImage(Image& image, BreakpointMemory& memory, OutsideSettings& outside);

}  // namespace tz
