// The unit's info page (the reply to page 0) and the texts that name the
// unit: program name, build date and build time.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "link/frame.h"

namespace tz::link {

inline constexpr int kInfoProtocolVersionByte = 10;

struct UnitInfo {
    std::string name;  // "ABC12", or the long name of up to 30 characters
    std::string date;  // "25. 1.2003"
    std::string time;  // "16:21"
};

// The month code of the info page: the sum, modulo 256, of the character
// codes of the English three-letter month name (month 1..12).
std::uint8_t MonthCode(int month);

// The three texts of an info page. The bytes come from the unit and are not
// trusted: every character outside printable ASCII becomes '?', so the
// texts are always safe to show and to write into files, and their lengths
// are bounded (name 30, date 10, time 5 characters).
UnitInfo DecodeInfoPage(std::span<const std::uint8_t, kPayloadSize> info);

}  // namespace tz::link
