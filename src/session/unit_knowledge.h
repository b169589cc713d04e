// What the unit holds as far as this run knows: the image it was last known
// to hold (after a successful read, programming run or verify, and after the
// unit's pages were read for a comparison or a backup), and from it whether
// the window's image is the unit's.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "link/info_page.h"
#include "params/image.h"
#include "params/image_diff.h"

namespace tz::session {

enum class UnitMatch : std::uint8_t {
    NotKnown,  // nothing was read, programmed or verified since the unit appeared
    Same,      // the unit holds the window's settings
    Differs,   // the unit holds other settings: `differences`
};

struct UnitState {
    UnitMatch match = UnitMatch::NotKnown;
    // The window's values (a) against the unit's (b); empty unless Differs.
    std::vector<ImageDifference> differences;

    bool operator==(const UnitState&) const = default;
};

class UnitKnowledge {
  public:
    // The unit named by `unit` holds `image`.
    void known(const Image& image, const link::UnitInfo& unit);
    void forget();
    // An info page arrived: a unit other than the one known makes what is
    // known void.
    void infoPage(const link::UnitInfo& unit);
    // The unit proved not to hold `image` (a verify it refused): when that is
    // what was known, the knowledge was wrong.
    void refused(const Image& image);

    const std::optional<Image>& image() const { return image_; }
    // The window's image against what the unit holds; computed again only
    // when either changed.
    const UnitState& state(const Image& window) const;

  private:
    std::optional<Image> image_;
    link::UnitInfo unit_;
    mutable std::optional<Image> comparedWindow_;
    mutable UnitState state_;
};

}  // namespace tz::session
