#include "platform/local_time.h"

namespace tz {

std::string localTimeStamp(std::time_t when) {
    std::tm local{};
    ::localtime_r(&when, &local);
    char text[40];
    const std::size_t n = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S%z", &local);
    std::string stamp(text, n);
    // strftime gives the offset as +0100; ISO 8601's extended form is +01:00.
    if (stamp.size() >= 5) stamp.insert(stamp.size() - 2, 1, ':');
    return stamp;
}

std::string currentLocalTimeStamp() {
    return localTimeStamp(std::time(nullptr));
}

}  // namespace tz
