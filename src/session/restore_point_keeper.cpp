#include "session/restore_point_keeper.h"

#include <ctime>

#include "params/ign_writer.h"
#include "platform/build_info.h"

namespace tz::session {

RestorePointKeeper::RestorePointKeeper(std::string directory, std::function<DateTime()> clock)
    : directory_(std::move(directory)), clock_(std::move(clock)) {
    if (!clock_) clock_ = [] { return localDateTime(std::time(nullptr)); };
}

std::optional<std::string> RestorePointKeeper::keep(RestoreOperation operation, const Image& image,
                                                    const link::UnitInfo& unit) const {
    if (!enabled()) return std::nullopt;
    const IgnTrailer trailer{unit.date, unit.time, unit.name, buildDateCompilerForm(),
                             buildTimeText()};
    return RestorePoints(directory_)
        .add(clock_(), operation, unit.name, WriteIgnFile(image, trailer));
}

}  // namespace tz::session
