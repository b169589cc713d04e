// The calendar time of a clock reading in the local time zone.
#pragma once

#include <ctime>

namespace tz {

std::tm localCalendarTime(std::time_t when);

}  // namespace tz
