// The restore points of a session: the settings as a .ign file after every
// successful read and program of the unit and before a program overwrites
// it, named with the time of the session's clock and the unit's name.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "link/info_page.h"
#include "params/image.h"
#include "platform/restore_points.h"

namespace tz::session {

class RestorePointKeeper {
  public:
    // An empty directory keeps no restore points; a clock without a target
    // takes the local time.
    RestorePointKeeper(std::string directory, std::function<DateTime()> clock);

    bool enabled() const { return !directory_.empty(); }
    const std::string& directory() const { return directory_; }

    // Writes the image as a restore point of the operation with the unit's
    // texts in its trailer (RestorePoints::add: atomically, the oldest beyond
    // the newest 1000 removed). The path written, or nothing when it could
    // not be written or no directory is set.
    std::optional<std::string> keep(RestoreOperation operation, const Image& image,
                                    const link::UnitInfo& unit) const;

  private:
    std::string directory_;
    std::function<DateTime()> clock_;
};

}  // namespace tz::session
