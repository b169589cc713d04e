// The local time with its offset from UTC, for records that are read in
// another time zone or season.
#pragma once

#include <ctime>
#include <string>

namespace tz {

// "2026-12-11T05:40:00+01:00": ISO 8601 in the local time zone.
std::string localTimeStamp(std::time_t when);
// The same for now.
std::string currentLocalTimeStamp();

}  // namespace tz
