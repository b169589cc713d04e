#include "presenter/version_texts.h"

#include <cstdio>

#include "params/image.h"

namespace tz::presenter {

namespace {

int leadingNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

std::string MakeBuildDateText(std::string_view compilerDate) {
    static constexpr std::string_view kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    int month = 0;
    for (int m = 0; m < 12; ++m)
        if (compilerDate.substr(0, 3) == kMonths[m]) month = m + 1;
    const int day = compilerDate.size() > 4 ? leadingNumber(compilerDate.substr(4, 2)) : 0;
    const int year = compilerDate.size() > 7 ? leadingNumber(compilerDate.substr(7)) : 0;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%i_%02i_%02i", year, month, day);
    return buffer;
}

std::string FormatPcVersionLine(std::string_view buildDateText) {
    return "TZ_ARKO5   RSKEY=" + std::to_string(kProtocolVersion) +
           "   COMPILE=" + std::string(buildDateText);
}

std::string FormatUnitVersionLine(link::VersionState state, std::string_view mismatchText,
                                  std::string_view unitName, std::string_view unitDate,
                                  std::string_view unitTime) {
    switch (state) {
        case link::VersionState::Unknown:
            return "not connected";
        case link::VersionState::Mismatch:
            return std::string(mismatchText);
        case link::VersionState::Match:
            break;
    }
    return std::string(unitName) + "   " + std::string(unitDate) + "   " + std::string(unitTime);
}

}  // namespace tz::presenter
