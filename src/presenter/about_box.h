// What the about box shows: fixed lines of the build and the caption in the
// current language.
#pragma once

#include <cstdint>
#include <string>

namespace tz {

struct AboutContent {
    std::string caption;    // "About TZ_ARKO5", "O programu TZ_ARKO5", ...
    std::string buildDate;  // "Nov  4 2016"
    std::string buildTime;  // "14:23:30"
    std::string version;    // "Version - 91"
};

// The caption follows the language given (0 English .. 3 Czech).
AboutContent aboutContent(std::uint8_t language);

}  // namespace tz
