#include "platform/local_time.h"

namespace tz {

std::tm localCalendarTime(std::time_t when) {
    std::tm local{};
    ::localtime_r(&when, &local);
    return local;
}

}  // namespace tz
