#include "platform/restore_points.h"

namespace tz {

DateTime localDateTime(std::time_t when) {
    std::tm local{};
    ::localtime_s(&local, &when);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

}  // namespace tz
