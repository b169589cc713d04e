// The texts that name the program and the connected unit in the status bar.
#pragma once

#include <string>
#include <string_view>

#include "link/monitor.h"

namespace tz::presenter {

// "2016_11_04" from the compiler's date form "Nov  4 2016"; an unknown
// month gives month 0.
std::string MakeBuildDateText(std::string_view compilerDate);

// "TZ_ARKO5   RSKEY=91   COMPILE=2016_11_04"
std::string FormatPcVersionLine(std::string_view buildDateText);

// What status panel 4 shows for the connected unit.
std::string FormatUnitVersionLine(link::VersionState state, std::string_view mismatchText,
                                  std::string_view unitName, std::string_view unitDate,
                                  std::string_view unitTime);

}  // namespace tz::presenter
