#include "platform/local_time.h"

namespace tz {

std::tm localCalendarTime(std::time_t when) {
    std::tm local{};
    ::localtime_s(&local, &when);
    return local;
}

}  // namespace tz
