#include "platform/local_time.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace tz {

namespace {

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar.
std::int64_t daysFromCivil(std::int64_t year, unsigned month, unsigned day) {
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const auto yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

}  // namespace

std::string localTimeStamp(std::time_t when) {
    const std::tm local = localCalendarTime(when);
    // The zone's offset is the local wall clock read as if it were UTC, minus
    // the clock: strftime's %z is not an offset on every system.
    const std::int64_t wall =
        daysFromCivil(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                      static_cast<unsigned>(local.tm_mday)) *
            86400 +
        local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
    const std::int64_t offsetMinutes = (wall - static_cast<std::int64_t>(when)) / 60;
    const std::int64_t magnitude = std::llabs(offsetMinutes);
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d",
                  local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                  local.tm_min, local.tm_sec, offsetMinutes < 0 ? '-' : '+',
                  static_cast<int>(magnitude / 60), static_cast<int>(magnitude % 60));
    return text;
}

std::string currentLocalTimeStamp() {
    return localTimeStamp(std::time(nullptr));
}

}  // namespace tz
