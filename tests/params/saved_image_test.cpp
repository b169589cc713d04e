#include "params/saved_image.h"

#include <gtest/gtest.h>

namespace tz {
namespace {

Image filled(std::uint8_t value) {
    Image image;
    image.fill(value);
    return image;
}

TEST(SavedImage, WrittenFormat) {
    Image image{};
    for (int i = 0; i < kImageSize; ++i) image[i] = static_cast<std::uint8_t>(i);
    const std::string text = formatSavedImage(image);
    EXPECT_TRUE(
        text.starts_with("    0     1     2     3     4     5     6     7     8     9 \n"
                         "   10    11 "));
    EXPECT_NE(text.find("   99 \n\n  100 "), std::string::npos);
    EXPECT_TRUE(text.ends_with("   43 \n\n"));
    EXPECT_EQ(text.size(), 300u * 6 + 30 + 3);
}

TEST(SavedImage, RoundTripsAllBytes) {
    Image image{};
    for (int i = 0; i < kImageSize; ++i) image[i] = static_cast<std::uint8_t>(i * 7 + 3);
    Image back = filled(0);
    EXPECT_EQ(parseSavedImage(formatSavedImage(image), back), 300);
    EXPECT_EQ(back, image);
}

TEST(SavedImage, ShortDamagedAndOversizedFiles) {
    struct Case {
        std::string text;
        int read;
        std::vector<std::pair<int, int>> bytes;
    };
    const Case cases[] = {
        {"1 2 3 4 5 6 7 8 9 10 11 12", 12, {{0, 1}, {11, 12}, {12, 9}, {299, 9}}},
        {"300 -1 65536", 3, {{0, 44}, {1, 255}, {2, 0}, {3, 9}}},
        {"5 6 seven 8", 2, {{0, 5}, {1, 6}, {2, 9}, {3, 9}}},
        {"", 0, {{0, 9}}},
        {std::string(2000, '1') + " 4", 2, {{1, 4}}},
    };
    for (const Case& c : cases) {
        Image image = filled(9);
        EXPECT_EQ(parseSavedImage(c.text, image), c.read) << c.text.substr(0, 40);
        for (auto [index, value] : c.bytes) EXPECT_EQ(image[index], value) << c.text.substr(0, 40);
    }

    std::string many;
    for (int i = 0; i < 400; ++i) many += "1 ";
    Image image = filled(9);
    EXPECT_EQ(parseSavedImage(many, image), 300);
}

}  // namespace
}  // namespace tz
