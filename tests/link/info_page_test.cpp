#include "link/info_page.h"

#include <gtest/gtest.h>

#include <array>

namespace tz::link {
namespace {

using Info = std::array<std::uint8_t, kPayloadSize>;

Info infoOf(std::initializer_list<int> first) {
    Info info{};
    int i = 0;
    for (int b : first) info[static_cast<std::size_t>(i++)] = static_cast<std::uint8_t>(b);
    return info;
}

TEST(DecodeInfoPage, ShortNameDateAndTime) {
    struct Case {
        Info info;
        UnitInfo expected;
    };
    const Case cases[] = {
        {infoOf({'A', 'B', 'C', 12, 25, 25, 3, 16, 21}), {"ABC12", "25. 1.2003", "16:21"}},
        {infoOf({'X', 'Y', 'Z', 7, 4, 99, 16, 7, 5}), {"XYZ07", " 4.00.2016", "07:05"}},
        {infoOf({'A', 'B', 'C', 123, 4, 51, 16, 0, 0}), {"ABC<3", " 4.11.2016", "00:00"}},
    };
    for (const Case& c : cases) {
        const UnitInfo u = DecodeInfoPage(c.info);
        EXPECT_EQ(u.name, c.expected.name);
        EXPECT_EQ(u.date, c.expected.date);
        EXPECT_EQ(u.time, c.expected.time);
    }
    for (int m = 1; m <= 12; ++m) {
        Info info = infoOf({'A', 'B', 'C', 0, 10});
        info[5] = MonthCode(m);
        EXPECT_EQ(DecodeInfoPage(info).date.substr(3, 2), (m < 10 ? " " : "") + std::to_string(m));
    }
}

TEST(DecodeInfoPage, TheLongNameReplacesTheShortOneUpToItsZero) {
    Info info = infoOf({'A', 'B', 'C', 12});
    const std::string name = "Long unit name";
    std::copy(name.begin(), name.end(), info.begin() + 16);
    EXPECT_EQ(DecodeInfoPage(info).name, name);
    std::fill(info.begin() + 16, info.begin() + 46, 'N');
    std::fill(info.begin() + 46, info.end(), 'Q');
    EXPECT_EQ(DecodeInfoPage(info).name, std::string(30, 'N'));
}

TEST(DecodeInfoPage, UntrustedBytesBecomeSafeBoundedText) {
    Info info{};
    info.fill(0xFF);
    const std::string controls = "\n\r\x1b\t\x7f";
    std::copy(controls.begin(), controls.end(), info.begin() + 16);
    const UnitInfo u = DecodeInfoPage(info);
    EXPECT_EQ(u.name, std::string(30, '?'));
    EXPECT_EQ(u.date.size(), 10u);
    EXPECT_EQ(u.time.size(), 5u);
    for (const std::string& text : {u.name, u.date, u.time})
        for (char c : text) EXPECT_TRUE(c >= 0x20 && c < 0x7F) << int{c};

    Info zeros{};
    EXPECT_EQ(DecodeInfoPage(zeros).name, "???00");
}

}  // namespace
}  // namespace tz::link
