#include "params/image.h"

#include <gtest/gtest.h>

namespace tz {
namespace {

using namespace encoding;

TEST(Encoding, PositionsBecomeBytesAndBack) {
    struct Case {
        const char* what;
        int byte;
        int expectedByte;
    };
    const Case cases[] = {
        {"TPS 100 % at 2500 mV", encodeTps100(2500), 0},
        {"TPS 100 % at 4750 mV", encodeTps100(4750), 225},
        {"TPS 100 % at 3790 mV", encodeTps100(3790), 129},
        {"start limiter 999 rpm", encodeScaled(999, 100), 9},
        {"first breakpoint 199 rpm", encodeScaled(199, 100), 1},
        {"tacho -60 %", encodeOffset100(-60), 40},
        {"tacho +60 %", encodeOffset100(60), 160},
        {"correction -20 degrees", encodeOffset100(-20), 80},
        {"hysteresis 1275 mV", encodeScaled(1275, 5), 255},
        {"camshaft item", encodeGeberMode(3), 0},
        {"1 ignition item", encodeGeberMode(0), 1},
        {"special setting item", encodeBike(6), 1},
        {"NSR item", encodeBike(4), 5},
    };
    for (const Case& c : cases) EXPECT_EQ(c.byte, c.expectedByte) << c.what;

    EXPECT_EQ(decodeTps100(0), 2500);
    EXPECT_EQ(decodeTps100(225), 4750);
    EXPECT_EQ(decodeOffset100(40), -60);
    EXPECT_EQ(decodeScaled(9, 100), 900);
    EXPECT_EQ(decodeGeberMode(0), 3);
    EXPECT_EQ(decodeGeberMode(3), 2);
    EXPECT_TRUE(decodeFlag(7));
    EXPECT_EQ(decodeBike(1), 6);
    EXPECT_EQ(decodeBike(7), -1);
}

TEST(Image, PagesCoverTheImageInOrder) {
    Image image{};
    for (int i = 0; i < kImageSize; ++i) image[i] = static_cast<std::uint8_t>(i);
    EXPECT_EQ(page(image, 1)[0], 0);
    EXPECT_EQ(page(image, 3)[99], 299 & 0xFF);

    std::array<std::uint8_t, kPageSize> payload{};
    payload.fill(7);
    storePage(image, 2, payload);
    EXPECT_EQ(image[99], 99);
    EXPECT_EQ(image[100], 7);
    EXPECT_EQ(image[199], 7);
    EXPECT_EQ(image[200], 200);
}

TEST(Image, ReservedBytes) {
    int count = 0;
    for (int i = 0; i < kImageSize; ++i) count += isReservedByte(i) ? 1 : 0;
    EXPECT_EQ(count, 16 + 7 + 73);
    EXPECT_TRUE(isReservedByte(1));
    EXPECT_TRUE(isReservedByte(227));
    EXPECT_FALSE(isReservedByte(226));
    EXPECT_FALSE(isReservedByte(62));
}

}  // namespace
}  // namespace tz
