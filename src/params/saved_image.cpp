#include "params/saved_image.h"

#include <cstdio>

#include "params/token_reader.h"

namespace tz {

std::string formatSavedImage(const Image& image) {
    std::string out;
    out.reserve(kImageSize * 6 + 40);
    char buffer[16];
    for (int k = 0; k < kImageSize; ++k) {
        const int n = std::snprintf(buffer, sizeof buffer, "%5u ", unsigned{image[k]});
        out.append(buffer, static_cast<std::size_t>(n));
        if (k % 10 == 9) out += '\n';
        if (k % 100 == 99) out += '\n';
    }
    return out;
}

int parseSavedImage(std::string_view text, Image& image) {
    TokenReader tokens(text);
    int count = 0;
    while (count < kImageSize) {
        const std::optional<std::uint32_t> number = tokens.nextNumber();
        if (!number) break;
        image[count++] = static_cast<std::uint8_t>(*number & 0xFFu);
    }
    return count;
}

}  // namespace tz
