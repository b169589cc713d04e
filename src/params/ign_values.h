// The numbers of a .ign file: for each key, which image byte each number
// after it comes from and how the writer turns the byte into the number.
#pragma once

#include <span>
#include <string_view>

#include "params/image.h"

namespace tz {

struct IgnValue {
    std::string_view key{};
    int index = 0;  // 1-based position among the numbers after the key
    int byte = 0;   // the image byte the number comes from
    int scale = 1;
    int offset = 0;
    int bit = -1;  // 0..3 for a power-output zone switch, -1 for a whole byte

    // The number as the writer writes it for the image.
    long of(const Image& image) const {
        const int b = image[byte];
        return bit >= 0 ? (b >> bit) & 1 : static_cast<long>(b) * scale + offset;
    }
    // The bits of the byte that the number shows.
    int shownBits() const { return bit >= 0 ? 1 << bit : 0xFF; }
};

// Every number of a .ign file in the order the writer writes them.
std::span<const IgnValue> ignValues();

}  // namespace tz
