#include "params/image.h"

#include <algorithm>
#include <cassert>

namespace tz {

bool isReservedByte(int index) {
    switch (index) {
        case 1:
        case 7:
        case 29:
        case 32:
        case 33:
        case 36:
        case 37:
        case 40:
        case 41:
        case 44:
        case 45:
        case 48:
        case 49:
        case 52:
        case 53:
        case 54:
            return true;
        default:
            return (index >= 63 && index <= 69) || (index >= 227 && index < kImageSize);
    }
}

std::span<const std::uint8_t, kPageSize> page(const Image& image, int p) {
    assert(p >= 1 && p <= kPageCount);
    return std::span<const std::uint8_t, kPageSize>(image.data() + kPageSize * (p - 1), kPageSize);
}

void storePage(Image& image, int p, std::span<const std::uint8_t, kPageSize> payload) {
    assert(p >= 1 && p <= kPageCount);
    std::copy(payload.begin(), payload.end(), image.begin() + kPageSize * (p - 1));
}

}  // namespace tz
