#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include "params/defaults.h"
#include "params/ign_reader.h"
#include "params/ign_writer.h"
#include "params/normalise.h"
#include "params/param_state.h"

namespace tz {
namespace {

using namespace field;

Image startupImage() {
    return firstStartState().image;
}

const IgnTrailer kTrailer{"", "", "", "Nov  4 2016", "14:23:33"};

std::string readTestFile(const std::string& name) {
    std::ifstream in(std::string(TZ_TEST_DATA_DIR) + "/" + name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(IgnWriter, DefaultsMatchTheGoldenFile) {
    EXPECT_EQ(WriteIgnFile(startupImage(), kTrailer), readTestFile("defaults.ign"));
}

TEST(IgnWriter, DefaultsBeginAsDocumented) {
    const std::string text = WriteIgnFile(startupImage(), kTrailer);
    const std::string head =
        "KORVANEX_KEY   91 \n"
        "\n"
        "BIKE            0 \n"
        "                0     1     2 \n"
        "                1     0     0 \n"
        "                1     1     0 \n"
        "                1     0     1 \n"
        "                1     1     1 \n"
        "            \n"
        "                1    11    11 \n"
        "GEBER_MODE      1 \n"
        "INPUT           0     0     0     0 \n"
        "PICKUPS_INTERCHANGE         0 \n"
        "NO_LOBE_CHECK         0 \n"
        "INTERLOCK_INPUT       0 \n"
        "SPARK_BEFORE_LOBE     0 \n"
        "SPECIAL_START         0 \n"
        "BASE_ADV       10 \n"
        "LIMITER       100   110     6 \n"
        "START_LIMITER_DELAY     0 \n"
        "CLUTCH         100   500 \n"
        "\n"
        "TPS           700  3790 \n"
        "RPM            1     0 \n"
        "TPS_MAPA        0\n"
        "\n"
        "RPM_ADV      1000  2000  3000  4000  5000  6000  7000  8000  9000 10000 \n";
    EXPECT_EQ(text.substr(0, head.size()), head);

    const std::string outputs =
        "POWER_OUT2      2 \n"
        "             9000  9100  9200 \n"
        "                0     1 \n"
        "                0     0     0     0 \n"
        "                0     0     0     0 \n"
        "                0     0     0     0 \n"
        "POWER_OUT3      3 \n"
        "             4000 12500 12600 \n"
        "               75    76 \n"
        "                0     0     0     0 \n"
        "                0     0     0     0 \n"
        "                0     0     0     0 \n"
        "TEST         5000   500 \n";
    EXPECT_NE(text.find(outputs), std::string::npos);
    EXPECT_TRUE(text.ends_with("\nVERSIONS\nHEX       \nEXE  Nov  4 2016   14:23:33\n"));
}

TEST(IgnWriter, TrailerTextsCannotBeReadBackAsKeys) {
    Image image = startupImage();
    IgnTrailer trailer = kTrailer;
    trailer.unitName = "BIKE 5 5 5\nADVANCE 60";
    trailer.unitDate = "TEST 900";
    const std::string text = WriteIgnFile(image, trailer);
    EXPECT_NE(text.find("HEX  test 900     bike 5 5 5?ADVANCE 60\n"), std::string::npos);

    Image readBack{};
    ReadIgnFile(text, readBack);
    for (int i = 0; i < kImageSize; ++i) {
        if (isReservedByte(i)) continue;
        EXPECT_EQ(readBack[i], image[i]) << "byte " << i;
    }
}

TEST(IgnWriter, TrailerTextIsPrintableAndBounded) {
    EXPECT_EQ(sanitiseTrailerText("AB\x01\xC3\xA9"), "AB???");
    EXPECT_EQ(sanitiseTrailerText(std::string(300, 'x')).size(), 100u);
    EXPECT_EQ(sanitiseTrailerText("KORVANEX_KEY 91"), "korvanex_key 91");
    EXPECT_EQ(sanitiseTrailerText("BIKES TPS_MAPAX"), "BIKES TPS_MAPAX");
}

// Random images within the ranges a user can reach, normalised.
Image randomNormalisedImage(std::mt19937& rng) {
    Image image = startupImage();
    std::uniform_int_distribution<int> any(0, 255);
    for (int i = 0; i < kImageSize; ++i) image[i] = static_cast<std::uint8_t>(any(rng));
    for (int n = 0; n < kPowerOutputs; ++n)
        for (int j = 0; j < 3; ++j) image[powerOutMap(n, j)] &= 0x0F;
    image[CLUTCH_TIME] = static_cast<std::uint8_t>(image[CLUTCH_TIME] % 251);
    image[CLUTCH_PAUSE] = static_cast<std::uint8_t>(image[CLUTCH_PAUSE] % 251);
    BreakpointMemory memory;
    OutsideSettings outside;
    NormaliseImage(image, memory, outside);
    return image;
}

TEST(IgnFile, WriteThenReadReproducesEveryNonReservedByte) {
    std::mt19937 rng(91);
    for (int round = 0; round < 200; ++round) {
        const Image image = randomNormalisedImage(rng);
        Image readBack{};
        for (int i = 0; i < kImageSize; ++i)
            readBack[i] = static_cast<std::uint8_t>(isReservedByte(i) ? 0xEE : ~image[i]);
        const IgnReadResult result = ReadIgnFile(WriteIgnFile(image, kTrailer), readBack);
        ASSERT_EQ(result.version, 91);
        ASSERT_TRUE(result.notices.empty());
        for (int i = 0; i < kImageSize; ++i) {
            if (isReservedByte(i))
                ASSERT_EQ(readBack[i], 0xEE) << "reserved byte " << i << " round " << round;
            else
                ASSERT_EQ(readBack[i], image[i]) << "byte " << i << " round " << round;
        }
    }
}

// Reads "KORVANEX_KEY 91" followed by the given text into a start-up image.
Image readCurrent(const std::string& body, IgnReadResult* result = nullptr) {
    Image image = startupImage();
    IgnReadResult r = ReadIgnFile("KORVANEX_KEY 91\n" + body, image);
    if (result) *result = r;
    return image;
}

TEST(IgnReader, ConvertsEachKeysValues) {
    struct Case {
        const char* body;
        std::vector<std::pair<int, int>> expected;
    };
    const Case cases[] = {
        {"COR_ADV_12 -5 3", {{COR_ADV_1, 95}, {COR_ADV_2, 103}}},
        {"CLUTCH 2000 3", {{CLUTCH_TIME, 250}, {CLUTCH_PAUSE, 0}}},
        {"ADVANCE 300", {{ADVANCE, 44}, {ADVANCE + 1, 13}}},
        {"TPS 2500 2500", {{TPS_0_MV, 250}, {TPS_100_MV, 0}}},
        {"TPS 700 4750", {{TPS_0_MV, 70}, {TPS_100_MV, 225}}},
        {"RPM 3 -60", {{TACHO_PULSES, 3}, {TACHO_CORRECTION, 40}}},
        {"SERVO_HYSTER 1275 SERVO_MV 5000", {{SERVO_HYSTER, 255}, {SERVO_MV, 250}}},
        {"TEST 25000 2500", {{TEST_RPM, 250}, {TEST_SERVO, 250}}},
        {"LIMITER 90 120 7", {{START_LIMITER_RPM, 90}, {LIMITER_RPM, 120}, {RETARD, 7}}},
        {"INPUT 1 4 2 1",
         {{INPUT1_FUNCTION, 1},
          {INPUT2_FUNCTION, 4},
          {PICKUP1_POLARITY, 2},
          {PICKUP2_POLARITY, 1}}},
        {"BIKE 1 5 24 2 3 1 0 4 0 1 5 1 1 6 1 1 2 9 8",
         {{BIKE, 1},
          {SYNC_METHOD, 5},
          {LOBE_COUNT, 24},
          {CHANNEL_COUNT, 2},
          {lobeByte(MAX_ADV_LOBE, 0), 3},
          {lobeByte(MAX_ADV_EDGE2, 0), 1},
          {lobeByte(START_ADV_LOBE, 0), 4},
          {lobeByte(START_ADV_PICKUP2, 0), 1},
          {lobeByte(MAX_ADV_LOBE, 1), 5},
          {lobeByte(START_ADV_LOBE, 1), 6},
          {NO_SPARK_REVS, 2},
          {COMPENSATION_1, 9},
          {COMPENSATION_2, 8}}},
        {"POWER_OUT2 4 1000 2000 3000 10 20 1 0 0 1 0 1 1 0 7 7 7 7",
         {{powerOutMode(1), 4},
          {powerOutRpm(1, 0), 10},
          {powerOutRpm(1, 2), 30},
          {powerOutTps(1, 1), 20},
          {powerOutMap(1, 0), 9},
          {powerOutMap(1, 1), 6},
          {powerOutMap(1, 2), 15}}},
        {"POWER_JET 4000 12500 75 1",
         {{powerOutMode(2), 4},
          {powerOutRpm(2, 0), 40},
          {powerOutRpm(2, 1), 125},
          {powerOutTps(2, 0), 75},
          {powerOutMap(2, 0), 3},
          {powerOutMap(2, 1), 1},
          {powerOutMap(2, 2), 1}}},
        {"POWER_JET 4000 12500 75 0", {{powerOutMode(2), 3}, {powerOutMap(2, 0), 0}}},
        {"PILOT_LIGHT 9500", {{powerOutRpm(1, 0), 95}}},
        {"; a comment LIMITER_X 50 50 BASE_ADV 12", {{BASE_ADV, 12}, {LIMITER_RPM, 110}}},
        {"BASE_ADV 12 BASE_ADV 14", {{BASE_ADV, 14}}},
        {"BASE_ADV 65547", {{BASE_ADV, 11}}},
        {"BASE_ADV 4294967295", {{BASE_ADV, 255}}},
        // Digits wrap modulo 2^32: 0x6305FFFF.
        {"BASE_ADV 99999999999999999999", {{BASE_ADV, 255}}},
        {"BASE_ADV +7", {{BASE_ADV, 7}}},
        {"BASE_ADV -1", {{BASE_ADV, 255}}},
    };
    for (const Case& c : cases) {
        IgnReadResult result;
        const Image image = readCurrent(c.body, &result);
        EXPECT_EQ(result.version, 91) << c.body;
        for (auto [index, value] : c.expected)
            EXPECT_EQ(image[index], value) << c.body << " byte " << index;
    }
}

TEST(IgnReader, MissingOrNonNumericValuesLeaveTheRestOfTheKeyUnchanged) {
    const Image image = readCurrent("LIMITER 90 abc 7 BASE_ADV 12 RPM_ADV 1500");
    EXPECT_EQ(image[START_LIMITER_RPM], 90);
    EXPECT_EQ(image[LIMITER_RPM], 110);
    EXPECT_EQ(image[RETARD], 6);
    EXPECT_EQ(image[BASE_ADV], 12);
    EXPECT_EQ(image[RPM_ADV], 15);
    EXPECT_EQ(image[RPM_ADV + 1], 20);

    const Image truncated = readCurrent("POWER_OUT1 4 500 600 700 5 6 1 1 1 1 0 1");
    EXPECT_EQ(truncated[powerOutMode(0)], 4);
    EXPECT_EQ(truncated[powerOutMap(0, 0)], 15);
    EXPECT_EQ(truncated[powerOutMap(0, 1)], 0);
}

// A word where a value belongs is told with its line; fewer values before
// another key or the end are how older files are written, and are not.
TEST(IgnReader, NamesTheWordsThatStoppedAKeysValues) {
    struct Case {
        std::string body;                 // after "KORVANEX_KEY 91\n"
        std::vector<std::string> faults;  // "KEY line read/count word"
    };
    const auto shown = [](const IgnValueFault& f) {
        return f.key + ' ' + std::to_string(f.line) + ' ' + std::to_string(f.valuesRead) + '/' +
               std::to_string(f.valueCount) + ' ' + f.word;
    };
    const Case cases[] = {
        {"LIMITER 90 abc 7", {"LIMITER 2 1/3 abc"}},
        {"BASE_ADV 10\nADVANCE 4 13\n 7.9 25", {"ADVANCE 4 2/100 7.9"}},
        {"SERVO_RPM nan\nTPS 700 x", {"SERVO_RPM 2 0/10 nan", "TPS 3 1/2 x"}},
        {std::string("BASE_ADV 1") + '\0' + " LIMITER 1 2 3", {"BASE_ADV 2 0/1 1?"}},
        {"LIMITER 90 BASE_ADV 12", {}},
        {"TEST 5000", {}},
        {"LIMITER 90 110 6 words after", {}},
    };
    for (const Case& c : cases) {
        IgnReadResult result;
        readCurrent(c.body, &result);
        std::vector<std::string> faults;
        for (const IgnValueFault& f : result.valueFaults) faults.push_back(shown(f));
        EXPECT_EQ(faults, c.faults) << c.body;
    }
    for (const char* file : {"defaults.ign", "older_v76.ign"}) {
        Image image = startupImage();
        EXPECT_TRUE(ReadIgnFile(readTestFile(file), image).valueFaults.empty()) << file;
    }
}

TEST(IgnReader, PassesOverAByteOrderMark) {
    Image image = startupImage();
    const IgnReadResult result =
        ReadIgnFile("\xEF\xBB\xBFKORVANEX_KEY 91\r\nBASE_ADV 20\r\n", image);
    EXPECT_EQ(result.version, 91);
    EXPECT_EQ(image[BASE_ADV], 20);
}

TEST(IgnReader, OverlongTokensAreSkipped) {
    const std::string longKey = "BASE_ADV" + std::string(400, 'X');
    const Image image = readCurrent(longKey + " 33 " + std::string(100000, '7') + " BASE_ADV 12");
    EXPECT_EQ(image[BASE_ADV], 12);
}

TEST(IgnReader, VersionKey) {
    struct Case {
        const char* text;
        int version;
        std::vector<IgnNotice> notices;
        int baseAdv;  // BASE_ADV after reading "BASE_ADV 20" at the end
    };
    const Case cases[] = {
        {"", 0, {}, 10},
        {"BASE_ADV 20", 0, {}, 10},
        {"korvanex_key 91 BASE_ADV 20", 0, {}, 10},
        {"KORVANEX_KEY 92 BASE_ADV 20", 0, {IgnNotice::UnmatchedVersion}, 10},
        {"KORVANEX_KEY BASE_ADV 20", 0, {IgnNotice::UnmatchedVersion}, 10},
        {"KORVANEX_KEY 92 KORVANEX_KEY 91 BASE_ADV 20", 91, {IgnNotice::UnmatchedVersion}, 20},
        {"comment words 1 2 3 KORVANEX_KEY 91 BASE_ADV 20", 91, {}, 20},
        {"KORVANEX_KEY 85 BASE_ADV 20", 85, {IgnNotice::OlderVersion}, 20},
    };
    for (const Case& c : cases) {
        Image image = startupImage();
        const IgnReadResult result = ReadIgnFile(c.text, image);
        EXPECT_EQ(result.version, c.version) << c.text;
        EXPECT_EQ(result.notices, c.notices) << c.text;
        EXPECT_EQ(image[BASE_ADV], c.baseAdv) << c.text;
    }
}

TEST(IgnReader, OlderVersionsResetWhatTheyLack) {
    for (int version : {85, 76, 60, 50}) {
        Image image = startupImage();
        for (int flag : {PICKUPS_INTERCHANGE, NO_LOBE_CHECK, INTERLOCK_INPUT, SPARK_BEFORE_LOBE,
                         SPECIAL_START})
            image[flag] = 1;
        image[COR_ADV_1] = 95;
        image[powerOutMode(0)] = 0;
        image[powerOutRpm(2, 1)] = 200;
        const IgnReadResult result =
            ReadIgnFile("KORVANEX_KEY " + std::to_string(version) + "\nPILOT_LIGHT 9000\n", image);
        EXPECT_EQ(result.version, version);
        EXPECT_EQ(image[PICKUPS_INTERCHANGE] + image[NO_LOBE_CHECK] + image[INTERLOCK_INPUT] +
                      image[SPARK_BEFORE_LOBE] + image[SPECIAL_START],
                  0);
        EXPECT_EQ(image[COR_ADV_1], version == 50 ? 100 : 95) << version;
        EXPECT_EQ(image[powerOutMode(0)], 1);
        EXPECT_EQ(image[powerOutRpm(2, 1)], 125);
        EXPECT_EQ(image[powerOutRpm(1, 0)], 90);
    }
}

TEST(IgnReader, ReadsTheSampleOfAnOlderVersion) {
    std::string text = readTestFile("older_v76.ign");
    ASSERT_FALSE(text.empty());
    Image image = startupImage();
    const IgnReadResult result = ReadIgnFile(text, image);
    EXPECT_EQ(result.version, 76);
    EXPECT_EQ(image[LIMITER_RPM], 125);
    EXPECT_EQ(image[powerOutMode(2)], 4);
    EXPECT_EQ(image[powerOutMap(2, 0)], 3);
    EXPECT_EQ(image[advanceCell(9, 9)], 30);
}

}  // namespace
}  // namespace tz
