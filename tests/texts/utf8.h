// Counting characters, not bytes, in UTF-8 texts.
#pragma once

#include <cstddef>
#include <string_view>

namespace tz::texts::testing {

inline std::size_t characterCount(std::string_view utf8) {
    std::size_t count = 0;
    for (char c : utf8) {
        if ((static_cast<unsigned char>(c) & 0xC0U) != 0x80U) ++count;
    }
    return count;
}

}  // namespace tz::texts::testing
