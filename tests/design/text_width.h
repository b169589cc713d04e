// A generous estimate of the width of a text in pixels, with the advance
// widths of a common proportional sans font at 11 pixels, scaled to the
// font's height. Good enough to tell whether a caption fits its control.
#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <string_view>
#include <vector>

#include "controls/control.h"

namespace tz::design::testing {

// Advance widths of ' ' to '~' at 11 pixels.
inline constexpr double kAsciiWidths[] = {
    3.1,  3.1, 3.9, 6.1, 6.1, 9.8, 7.3, 2.1,  3.7, 3.7, 4.3, 6.4, 3.1, 3.7, 3.1, 3.1,  // ' '../
    6.1,  6.1, 6.1, 6.1, 6.1, 6.1, 6.1, 6.1,  6.1, 6.1, 3.1, 3.1, 6.4, 6.4, 6.4, 6.1,  // 0..?
    11.2, 7.3, 7.3, 7.9, 7.9, 7.3, 6.7, 8.6,  7.9, 3.1, 5.5, 7.3, 6.1, 9.2, 7.9, 8.6,  // @..O
    7.3,  8.6, 7.9, 7.3, 6.7, 7.9, 7.3, 10.4, 7.3, 7.3, 6.7, 3.1, 3.1, 3.1, 5.2, 6.1,  // P.._
    3.7,  6.1, 6.1, 5.5, 6.1, 6.1, 3.1, 6.1,  6.1, 2.4, 2.4, 5.5, 2.4, 9.2, 6.1, 6.1,  // `..o
    6.1,  6.1, 3.7, 5.5, 3.1, 6.1, 5.5, 7.9,  5.5, 5.5, 5.5, 3.7, 2.9, 3.7, 6.4,       // p..~
};
static_assert(std::size(kAsciiWidths) == 0x7F - 0x20);
inline constexpr double kOtherWidth = 6.4;  // letters with accents and other signs
inline constexpr double kBoldFactor = 1.1;

// The width of a caption as shown: an "&" marks the access key and is not
// drawn.
inline int textWidth(std::string_view utf8, ui::Font font = {}) {
    double width = 0;
    bool accessKeyMarked = false;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte == '&' && !accessKeyMarked) {
            accessKeyMarked = true;
            continue;
        }
        if (byte >= 0x20 && byte < 0x7F) {
            width += kAsciiWidths[byte - 0x20];
        } else if ((byte & 0xC0U) != 0x80U) {
            width += kOtherWidth;  // the first byte of a character beyond ASCII
        }
    }
    width *= font.pixelHeight / 11.0;
    if (font.bold) width *= kBoldFactor;
    return static_cast<int>(width + 0.999);
}

// The lines a word-wrapping label needs for a text at a width, or a huge
// number when a single word is wider than the label.
inline int wrappedLines(std::string_view text, int width, ui::Font font = {}) {
    std::vector<std::string_view> words;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        if (end > start) words.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    int lines = words.empty() ? 0 : 1;
    int used = 0;
    const int space = textWidth(" ", font);
    for (std::string_view word : words) {
        const int w = textWidth(word, font);
        if (w > width) return 1000;
        if (used > 0 && used + space + w > width) {
            ++lines;
            used = 0;
        }
        used += (used > 0 ? space : 0) + w;
    }
    return lines;
}

}  // namespace tz::design::testing
