#include "params/image_diff.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "params/ign_values.h"
#include "params/ign_writer.h"
#include "params/param_state.h"
#include "params/token_reader.h"

namespace tz {

void PrintTo(const ImageDifference& d, std::ostream* os) {
    *os << d.key << ' ' << d.index << ": " << d.a << " -> " << d.b << " page "
        << static_cast<int>(d.page) << " cell " << static_cast<int>(d.cell.grid) << '/'
        << d.cell.row << '/' << d.cell.column << " byte " << d.byte << " bit " << d.bit;
}

namespace {

using namespace field;

// The numbers after each key of a written file, up to the information lines.
std::map<std::string, std::vector<long>> numbersByKey(const std::string& text) {
    std::set<std::string> keys;
    for (const IgnValue& v : ignValues()) keys.insert(std::string(v.key));
    std::map<std::string, std::vector<long>> out;
    std::vector<long>* current = nullptr;
    TokenReader tokens(text);
    while (!tokens.atEnd()) {
        if (const auto n = tokens.nextNumber()) {
            if (current) current->push_back(static_cast<std::int32_t>(*n));
            continue;
        }
        const std::string word(tokens.next());
        if (word == "VERSIONS") break;
        current = keys.contains(word) ? &out[word] : nullptr;
    }
    return out;
}

// The table of numbers must say exactly what the writer writes, for any
// bytes, or a difference would be listed under the wrong key or value.
TEST(IgnValues, AreTheNumbersTheWriterWrites) {
    std::mt19937 random(14);
    for (int round = 0; round < 20; ++round) {
        Image image;
        for (auto& b : image) b = static_cast<std::uint8_t>(random());
        std::map<std::string, std::vector<long>> fromTable;
        for (const IgnValue& v : ignValues()) {
            std::vector<long>& numbers = fromTable[std::string(v.key)];
            EXPECT_EQ(v.index, static_cast<int>(numbers.size()) + 1) << v.key;
            numbers.push_back(v.of(image));
        }
        EXPECT_EQ(fromTable, numbersByKey(WriteIgnFile(image, {})));
    }
}

struct Case {
    const char* what;
    std::function<void(Image&)> change;
    std::vector<ImageDifference> expected;
};

constexpr GridCell kNoCell{};
const auto P = WindowPage::PowerOut;

TEST(DiffImages, ListsWhatAFileWouldShow) {
    const Case cases[] = {
        {"nothing", [](Image&) {}, {}},
        {"byte 1 is never verified", [](Image& b) { b[1] ^= 0xFF; }, {}},
        {"limiter",
         [](Image& b) { b[LIMITER_RPM] = 120; },
         {{"LIMITER", 2, 110, 120, WindowPage::Inputs, kNoCell, LIMITER_RPM}}},
        {"throttle voltage at 100 % in mV",
         [](Image& b) { b[TPS_100_MV] = 200; },
         {{"TPS", 2, 3790, 4500, WindowPage::Inputs, kNoCell, TPS_100_MV}}},
        {"cylinder correction around zero",
         [](Image& b) { b[COR_ADV_2] = 95; },
         {{"COR_ADV_12", 2, 0, -5, WindowPage::AdvanceMap, kNoCell, COR_ADV_2}}},
        {"second pick-up polarity on the Bike page",
         [](Image& b) { b[PICKUP2_POLARITY] = 2; },
         {{"INPUT", 4, 0, 2, WindowPage::Bike, kNoCell, PICKUP2_POLARITY}}},
        {"lobe of channel 2",
         [](Image& b) { b[lobeByte(START_ADV_LOBE, 1)] = 3; },
         {{"BIKE", 14, 1, 3, WindowPage::Bike, kNoCell, lobeByte(START_ADV_LOBE, 1)}}},
        {"map cell",
         [](Image& b) { b[advanceCell(3, 4)] = 47; },
         {{"ADVANCE",
           35,
           45,
           47,
           WindowPage::AdvanceMap,
           {Grid::AdvanceMap, 4, 4},
           advanceCell(3, 4)}}},
        {"map axis",
         [](Image& b) { b[RPM_ADV + 2] = 35; },
         {{"RPM_ADV",
           3,
           3000,
           3500,
           WindowPage::AdvanceMap,
           {Grid::AdvanceMap, 0, 2},
           RPM_ADV + 2}}},
        {"servo voltage",
         [](Image& b) { b[SERVO_MV + 9] = 10; },
         {{"SERVO_MV", 10, 2900, 200, WindowPage::Servo, {Grid::ServoCurve, 1, 9}, SERVO_MV + 9}}},
        {"test speed",
         [](Image& b) { b[TEST_RPM] = 60; },
         {{"TEST", 1, 5000, 6000, WindowPage::Test, kNoCell, TEST_RPM}}},
        {"reserved bytes",
         [](Image& b) { b[7] = 9, b[299] = 1; },
         {{kByteKey, 7, 0, 9, WindowPage::None, kNoCell, 7},
          {kByteKey, 299, 0, 1, WindowPage::None, kNoCell, 299}}},
        {"zone switch only",
         [](Image& b) { b[powerOutMap(1, 2)] |= 1 << 3; },
         {{"POWER_OUT2", 18, 0, 1, P, kNoCell, powerOutMap(1, 2), 3}}},
        {"zone byte bits beyond the switches",
         [](Image& b) { b[powerOutMap(1, 2)] |= (1 << 1) | (1 << 6); },
         {{"POWER_OUT2", 16, 0, 1, P, kNoCell, powerOutMap(1, 2), 1},
          {kByteKey, powerOutMap(1, 2), 0, 66, WindowPage::None, kNoCell, powerOutMap(1, 2)}}},
        {"file order, then bytes",
         [](Image& b) {
             b[230] = 5;
             b[TEST_SERVO] = 1;
             b[BIKE] = 3;
         },
         {{"BIKE", 1, 0, 3, WindowPage::Bike, kNoCell, BIKE},
          {"TEST", 2, 500, 10, WindowPage::Test, kNoCell, TEST_SERVO},
          {kByteKey, 230, 0, 5, WindowPage::None, kNoCell, 230}}},
    };
    const Image a = firstStartState().image;
    for (const Case& c : cases) {
        Image b = a;
        c.change(b);
        EXPECT_EQ(DiffImages(a, b), c.expected) << c.what;
    }
}

TEST(DiffImages, EveryVerifiedByteCounts) {
    const Image a = firstStartState().image;
    for (int i = 0; i < kImageSize; ++i) {
        for (int bit = 0; bit < 8; ++bit) {
            Image b = a;
            b[i] ^= static_cast<std::uint8_t>(1 << bit);
            EXPECT_EQ(DiffImages(a, b).empty(), i == 1) << "byte " << i << " bit " << bit;
        }
    }
}

}  // namespace
}  // namespace tz
