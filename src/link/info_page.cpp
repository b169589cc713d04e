#include "link/info_page.h"

namespace tz::link {

namespace {

constexpr const char* kMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr const char* kMonthTexts[12] = {" 1", " 2", " 3", " 4", " 5", " 6",
                                         " 7", " 8", " 9", "10", "11", "12"};
constexpr int kLongName = 16;
constexpr int kLongNameLength = 30;

char safe(std::uint8_t c) {
    return c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
}

// '0' + value / 10: a digit below 100, a letter up to 'I' above.
char tens(std::uint8_t value) {
    return static_cast<char>('0' + value / 10);
}
char units(std::uint8_t value) {
    return static_cast<char>('0' + value % 10);
}

}  // namespace

std::uint8_t MonthCode(int month) {
    unsigned sum = 0;
    for (const char* c = kMonths[month - 1]; *c != 0; ++c) sum += static_cast<unsigned char>(*c);
    return static_cast<std::uint8_t>(sum & 0xFF);
}

UnitInfo DecodeInfoPage(std::span<const std::uint8_t, kPayloadSize> info) {
    UnitInfo unit;
    if (info[kLongName] != 0) {
        for (int i = kLongName; i < kLongName + kLongNameLength && info[i] != 0; ++i)
            unit.name.push_back(safe(info[i]));
    } else {
        unit.name = {safe(info[0]), safe(info[1]), safe(info[2]), tens(info[3]), units(info[3])};
    }

    const std::uint8_t day = info[4];
    std::string month = "00";
    for (int m = 1; m <= 12; ++m)
        if (info[5] == MonthCode(m)) month = kMonthTexts[m - 1];
    unit.date = {day < 10 ? ' ' : tens(day),
                 units(day),
                 '.',
                 month[0],
                 month[1],
                 '.',
                 '2',
                 '0',
                 tens(info[6]),
                 units(info[6])};
    unit.time = {tens(info[7]), units(info[7]), ':', tens(info[8]), units(info[8])};
    return unit;
}

}  // namespace tz::link
