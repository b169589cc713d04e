#include "params/ign_reader.h"

#include <algorithm>
#include <array>

#include "params/defaults.h"
#include "params/token_reader.h"

namespace tz {

using namespace field;

namespace {

constexpr int kMaxValues = 100;

// The values read after a key, each taken modulo 65536. Reading stops at the
// first token that is not a number, so the values present are a prefix.
struct Values {
    std::array<std::uint16_t, kMaxValues> n{};
    int count = 0;

    bool has(int i) const { return i < count; }
};

using Store = void (*)(Image&, const Values&);

struct KeyHandler {
    std::string_view key;
    int valueCount;
    Store store;
};

void put(Image& image, int index, long value) {
    image[index] = encoding::byteOf(value);
}

template <std::size_t N>
void storePlain(Image& image, const Values& v, const std::array<int, N>& bytes) {
    for (std::size_t i = 0; i < N; ++i)
        if (v.has(static_cast<int>(i))) put(image, bytes[i], v.n[i]);
}

void storeAxis(Image& image, const Values& v, int start, int divisor) {
    for (int i = 0; i < kAxisPoints; ++i)
        if (v.has(i)) put(image, start + i, v.n[i] / divisor);
}

constexpr std::array<int, 19> kBikeBytes = {
    BIKE,
    SYNC_METHOD,
    LOBE_COUNT,
    CHANNEL_COUNT,
    lobeByte(MAX_ADV_LOBE, 0),
    lobeByte(MAX_ADV_EDGE2, 0),
    lobeByte(MAX_ADV_PICKUP2, 0),
    lobeByte(START_ADV_LOBE, 0),
    lobeByte(START_ADV_EDGE2, 0),
    lobeByte(START_ADV_PICKUP2, 0),
    lobeByte(MAX_ADV_LOBE, 1),
    lobeByte(MAX_ADV_EDGE2, 1),
    lobeByte(MAX_ADV_PICKUP2, 1),
    lobeByte(START_ADV_LOBE, 1),
    lobeByte(START_ADV_EDGE2, 1),
    lobeByte(START_ADV_PICKUP2, 1),
    NO_SPARK_REVS,
    COMPENSATION_1,
    COMPENSATION_2,
};

template <int Output>
void storePowerOut(Image& image, const Values& v) {
    if (v.has(0)) put(image, powerOutMode(Output), v.n[0]);
    for (int j = 0; j < 3; ++j)
        if (v.has(1 + j)) put(image, powerOutRpm(Output, j), v.n[1 + j] / 100);
    for (int j = 0; j < 2; ++j)
        if (v.has(4 + j)) put(image, powerOutTps(Output, j), v.n[4 + j]);
    // A zone row is replaced only when all four of its switches were read.
    for (int row = 0; row < 3; ++row) {
        const int first = 6 + 4 * row;
        if (!v.has(first + 3)) break;
        int bits = 0;
        for (int c = 0; c < 4; ++c)
            if (v.n[first + c] != 0) bits |= 1 << c;
        put(image, powerOutMap(Output, row), bits);
    }
}

const KeyHandler kHandlers[] = {
    {"BIKE", 19, [](Image& im, const Values& v) { storePlain(im, v, kBikeBytes); }},
    {"GEBER_MODE", 1,
     [](Image& im, const Values& v) { storePlain(im, v, std::array{GEBER_MODE}); }},
    {"INPUT", 4,
     [](Image& im, const Values& v) {
         storePlain(
             im, v,
             std::array{INPUT1_FUNCTION, INPUT2_FUNCTION, PICKUP1_POLARITY, PICKUP2_POLARITY});
     }},
    {"PICKUPS_INTERCHANGE", 1,
     [](Image& im, const Values& v) { storePlain(im, v, std::array{PICKUPS_INTERCHANGE}); }},
    {"NO_LOBE_CHECK", 1,
     [](Image& im, const Values& v) { storePlain(im, v, std::array{NO_LOBE_CHECK}); }},
    {"INTERLOCK_INPUT", 1,
     [](Image& im, const Values& v) { storePlain(im, v, std::array{INTERLOCK_INPUT}); }},
    {"SPARK_BEFORE_LOBE", 1,
     [](Image& im, const Values& v) { storePlain(im, v, std::array{SPARK_BEFORE_LOBE}); }},
    {"SPECIAL_START", 1,
     [](Image& im, const Values& v) { storePlain(im, v, std::array{SPECIAL_START}); }},
    {"BASE_ADV", 1, [](Image& im, const Values& v) { storePlain(im, v, std::array{BASE_ADV}); }},
    {"COR_ADV_12", 2,
     [](Image& im, const Values& v) {
         if (v.has(0)) put(im, COR_ADV_1, v.n[0] + 100);
         if (v.has(1)) put(im, COR_ADV_2, v.n[1] + 100);
     }},
    {"LIMITER", 3,
     [](Image& im, const Values& v) {
         storePlain(im, v, std::array{START_LIMITER_RPM, LIMITER_RPM, RETARD});
     }},
    {"START_LIMITER_DELAY", 1,
     [](Image& im, const Values& v) { storePlain(im, v, std::array{START_LIMITER_DELAY}); }},
    {"PILOT_LIGHT", 1,
     [](Image& im, const Values& v) {
         if (v.has(0)) put(im, powerOutRpm(1, 0), v.n[0] / 100);
     }},
    {"CLUTCH", 2,
     [](Image& im, const Values& v) {
         if (v.has(0)) put(im, CLUTCH_TIME, std::min<int>(v.n[0], 1250) / 5);
         if (v.has(1)) put(im, CLUTCH_PAUSE, std::min<int>(v.n[1], 1250) / 5);
     }},
    {"TPS", 2,
     [](Image& im, const Values& v) {
         if (v.has(0)) put(im, TPS_0_MV, v.n[0] / 10);
         if (v.has(1)) put(im, TPS_100_MV, v.n[1] / 10 + 6);
     }},
    {"RPM", 2,
     [](Image& im, const Values& v) {
         if (v.has(0)) put(im, TACHO_PULSES, v.n[0]);
         if (v.has(1)) put(im, TACHO_CORRECTION, v.n[1] + 100);
     }},
    {"TPS_MAPA", 1, [](Image& im, const Values& v) { storePlain(im, v, std::array{TPS_MAPA}); }},
    {"RPM_ADV", 10, [](Image& im, const Values& v) { storeAxis(im, v, RPM_ADV, 100); }},
    {"ADVANCE", 100,
     [](Image& im, const Values& v) {
         for (int i = 0; i < v.count; ++i) put(im, ADVANCE + i, v.n[i]);
     }},
    {"SERVO_ENABLE", 1,
     [](Image& im, const Values& v) { storePlain(im, v, std::array{SERVO_ENABLE}); }},
    {"SERVO_HYSTER", 1,
     [](Image& im, const Values& v) {
         if (v.has(0)) put(im, SERVO_HYSTER, v.n[0] / 5);
     }},
    {"SERVO_RPM", 10, [](Image& im, const Values& v) { storeAxis(im, v, SERVO_RPM, 100); }},
    {"SERVO_MV", 10, [](Image& im, const Values& v) { storeAxis(im, v, SERVO_MV, 20); }},
    {"POWER_JET", 4,
     [](Image& im, const Values& v) {
         if (v.has(0)) put(im, powerOutRpm(2, 0), v.n[0] / 100);
         if (v.has(1)) put(im, powerOutRpm(2, 1), v.n[1] / 100);
         if (v.has(2)) put(im, powerOutTps(2, 0), v.n[2]);
         if (v.has(3) && v.n[3] != 0) {
             put(im, powerOutMode(2), 4);
             put(im, powerOutMap(2, 0), 3);
             put(im, powerOutMap(2, 1), 1);
             put(im, powerOutMap(2, 2), 1);
         }
     }},
    {"POWER_OUT1", 18, storePowerOut<0>},
    {"POWER_OUT2", 18, storePowerOut<1>},
    {"POWER_OUT3", 18, storePowerOut<2>},
    {"TEST", 2,
     [](Image& im, const Values& v) {
         if (v.has(0)) put(im, TEST_RPM, v.n[0] / 100);
         if (v.has(1)) put(im, TEST_SERVO, v.n[1] / 10);
     }},
};

const KeyHandler* findHandler(std::string_view token) {
    for (const KeyHandler& h : kHandlers)
        if (h.key == token) return &h;
    return nullptr;
}

// The word as a message can show it: its first 32 bytes, control
// characters as '?'.
std::string shownWord(std::string_view word) {
    std::string shown(word.substr(0, 32));
    for (char& ch : shown)
        if (static_cast<unsigned char>(ch) < 0x20) ch = '?';
    return shown;
}

Values readValues(TokenReader& tokens, const KeyHandler& handler, IgnReadResult& result) {
    Values v;
    while (v.count < handler.valueCount) {
        const std::optional<std::uint32_t> number = tokens.nextNumber();
        if (!number) break;
        v.n[static_cast<std::size_t>(v.count++)] = static_cast<std::uint16_t>(*number & 0xFFFFu);
    }
    // Fewer values before the end or the next key is how older files are
    // written; a word in their place is a value that was lost.
    const std::string_view stop = tokens.peek();
    if (v.count < handler.valueCount && !stop.empty() && findHandler(stop) == nullptr)
        result.valueFaults.push_back({std::string(handler.key), tokens.line(), v.count,
                                      handler.valueCount, shownWord(stop)});
    return v;
}

bool isOlderVersion(std::uint32_t v) {
    return std::find(std::begin(kOlderIgnVersions), std::end(kOlderIgnVersions), v) !=
           std::end(kOlderIgnVersions);
}

void applyOlderVersionDefaults(Image& image, std::uint8_t version) {
    for (int flag :
         {PICKUPS_INTERCHANGE, NO_LOBE_CHECK, INTERLOCK_INPUT, SPARK_BEFORE_LOBE, SPECIAL_START})
        image[flag] = 0;
    if (version == 50) {
        image[COR_ADV_1] = encoding::encodeOffset100(0);
        image[COR_ADV_2] = encoding::encodeOffset100(0);
    }
    ApplyPowerOutputDefaults(image);
}

}  // namespace

IgnReadResult ReadIgnFile(std::string_view text, Image& image) {
    IgnReadResult result;
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    TokenReader tokens(text);

    while (result.version == 0) {
        if (tokens.atEnd()) return result;
        if (tokens.next() != "KORVANEX_KEY") continue;
        const std::optional<std::uint32_t> number = tokens.nextNumber();
        const std::uint32_t v = number ? (*number & 0xFFFFu) : 0;
        if (v == kIgnVersion) {
            result.version = kIgnVersion;
        } else if (isOlderVersion(v)) {
            result.version = static_cast<std::uint8_t>(v);
            result.notices.push_back(IgnNotice::OlderVersion);
            applyOlderVersionDefaults(image, result.version);
        } else {
            result.notices.push_back(IgnNotice::UnmatchedVersion);
        }
    }

    while (!tokens.atEnd()) {
        const std::string_view token = tokens.next();
        if (token.size() > TokenReader::kMaxWordLength) continue;
        if (const KeyHandler* handler = findHandler(token))
            handler->store(image, readValues(tokens, *handler, result));
    }
    return result;
}

}  // namespace tz
