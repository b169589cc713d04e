// The local time with its offset from UTC, for records that are read in
// another time zone or season.
#pragma once

#include <ctime>
#include <string>

namespace tz {

// The calendar time of a clock reading in the local time zone (one file per
// system: localtime_r or localtime_s).
std::tm localCalendarTime(std::time_t when);

// "2026-12-11T05:40:00+01:00": ISO 8601 in the local time zone.
std::string localTimeStamp(std::time_t when);
// The same for now.
std::string currentLocalTimeStamp();

}  // namespace tz
