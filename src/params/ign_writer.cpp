#include "params/ign_writer.h"

#include <cctype>
#include <cstdio>
#include <initializer_list>

#include "params/ign_reader.h"

namespace tz {

using namespace field;

namespace {

constexpr std::string_view kContinuation = "            ";  // 12 blanks

// Every word that the reader acts on.
constexpr std::string_view kReaderWords[] = {
    "KORVANEX_KEY",
    "BIKE",
    "GEBER_MODE",
    "INPUT",
    "PICKUPS_INTERCHANGE",
    "NO_LOBE_CHECK",
    "INTERLOCK_INPUT",
    "SPARK_BEFORE_LOBE",
    "SPECIAL_START",
    "BASE_ADV",
    "COR_ADV_12",
    "LIMITER",
    "START_LIMITER_DELAY",
    "PILOT_LIGHT",
    "CLUTCH",
    "TPS",
    "RPM",
    "TPS_MAPA",
    "RPM_ADV",
    "ADVANCE",
    "SERVO_ENABLE",
    "SERVO_HYSTER",
    "SERVO_RPM",
    "SERVO_MV",
    "POWER_JET",
    "POWER_OUT1",
    "POWER_OUT2",
    "POWER_OUT3",
    "TEST",
};

class Lines {
  public:
    Lines& text(std::string_view s) {
        out_.append(s);
        return *this;
    }
    Lines& u(long value) { return format("%5ld ", value); }
    Lines& d(long value) { return format("%5ld ", value); }
    Lines& flag(long value) { return format("%5ld", value); }
    Lines& us(std::initializer_list<long> values) {
        for (long v : values) u(v);
        return *this;
    }
    Lines& end() {
        out_.push_back('\n');
        return *this;
    }
    Lines& format(const char* pattern, long value) {
        char buffer[32];
        const int n = std::snprintf(buffer, sizeof buffer, pattern, value);
        out_.append(buffer, static_cast<std::size_t>(n));
        return *this;
    }
    std::string take() { return std::move(out_); }

  private:
    std::string out_;
};

bool isReaderWord(std::string_view word) {
    for (std::string_view w : kReaderWords)
        if (w == word) return true;
    return false;
}

}  // namespace

std::string sanitiseTrailerText(std::string_view text) {
    constexpr std::size_t kMaxLength = 100;
    std::string out;
    for (char c : text.substr(0, kMaxLength)) {
        const auto u = static_cast<unsigned char>(c);
        out.push_back(u >= 0x20 && u < 0x7F ? c : '?');
    }
    std::size_t pos = 0;
    while (pos < out.size()) {
        if (out[pos] == ' ') {
            ++pos;
            continue;
        }
        std::size_t end = out.find(' ', pos);
        if (end == std::string::npos) end = out.size();
        if (isReaderWord(std::string_view(out).substr(pos, end - pos))) {
            for (std::size_t i = pos; i < end; ++i)
                out[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(out[i])));
        }
        pos = end;
    }
    return out;
}

std::string WriteIgnFile(const Image& im, const IgnTrailer& trailer) {
    auto b = [&im](int index) -> long { return im[index]; };
    Lines l;
    l.text("KORVANEX_KEY  ").format("%3ld ", kIgnVersion).end();
    l.end();
    l.text("BIKE        ").u(b(BIKE)).end();
    l.text(kContinuation).us({b(SYNC_METHOD), b(LOBE_COUNT), b(CHANNEL_COUNT)}).end();
    for (int c = 0; c < kChannels; ++c) {
        l.text(kContinuation)
            .us({b(lobeByte(MAX_ADV_LOBE, c)), b(lobeByte(MAX_ADV_EDGE2, c)),
                 b(lobeByte(MAX_ADV_PICKUP2, c))})
            .end();
        l.text(kContinuation)
            .us({b(lobeByte(START_ADV_LOBE, c)), b(lobeByte(START_ADV_EDGE2, c)),
                 b(lobeByte(START_ADV_PICKUP2, c))})
            .end();
    }
    l.text(kContinuation).end();
    l.text(kContinuation).us({b(NO_SPARK_REVS), b(COMPENSATION_1), b(COMPENSATION_2)}).end();
    l.text("GEBER_MODE  ").u(b(GEBER_MODE)).end();
    l.text("INPUT       ")
        .u(b(INPUT1_FUNCTION))
        .d(b(INPUT2_FUNCTION))
        .us({b(PICKUP1_POLARITY), b(PICKUP2_POLARITY)})
        .end();
    l.text("PICKUPS_INTERCHANGE     ").u(b(PICKUPS_INTERCHANGE)).end();
    l.text("NO_LOBE_CHECK     ").u(b(NO_LOBE_CHECK)).end();
    l.text("INTERLOCK_INPUT   ").u(b(INTERLOCK_INPUT)).end();
    l.text("SPARK_BEFORE_LOBE ").u(b(SPARK_BEFORE_LOBE)).end();
    l.text("SPECIAL_START     ").u(b(SPECIAL_START)).end();
    l.text("BASE_ADV    ").u(b(BASE_ADV)).end();
    l.text("LIMITER     ").us({b(START_LIMITER_RPM), b(LIMITER_RPM), b(RETARD)}).end();
    l.text("START_LIMITER_DELAY ").u(b(START_LIMITER_DELAY)).end();
    l.text("CLUTCH       ").us({b(CLUTCH_TIME) * 5, b(CLUTCH_PAUSE) * 5}).end();
    l.end();
    l.text("TPS         ").us({b(TPS_0_MV) * 10, b(TPS_100_MV) * 10 + 2500}).end();
    l.text("RPM        ").u(b(TACHO_PULSES)).d(b(TACHO_CORRECTION) - 100).end();
    l.text("TPS_MAPA    ").flag(b(TPS_MAPA)).end();
    l.end();
    l.text("RPM_ADV     ");
    for (int i = 0; i < kAxisPoints; ++i) l.u(b(RPM_ADV + i) * 100);
    l.end();
    l.end();
    for (int r = 0; r < kMapRows; ++r) {
        l.text(r == 0 ? std::string_view("ADVANCE     ") : kContinuation);
        for (int c = 0; c < kMapColumns; ++c) l.u(b(advanceCell(r, c)));
        l.end();
    }
    l.text(kContinuation).end();
    l.text("COR_ADV_12  ").d(b(COR_ADV_1) - 100).d(b(COR_ADV_2) - 100).end();
    l.end();
    l.text("SERVO_ENABLE").flag(b(SERVO_ENABLE)).end();
    l.text("SERVO_HYSTER").u(b(SERVO_HYSTER) * 5).end();
    l.text("SERVO_RPM   ");
    for (int i = 0; i < kAxisPoints; ++i) l.u(b(SERVO_RPM + i) * 100);
    l.end();
    l.text("SERVO_MV    ");
    for (int i = 0; i < kAxisPoints; ++i) l.u(b(SERVO_MV + i) * 20);
    l.end();
    for (int n = 0; n < kPowerOutputs; ++n) {
        l.text("POWER_OUT").format("%ld", n + 1).text("  ").u(b(powerOutMode(n))).end();
        l.text(kContinuation)
            .us({b(powerOutRpm(n, 0)) * 100, b(powerOutRpm(n, 1)) * 100,
                 b(powerOutRpm(n, 2)) * 100})
            .end();
        l.text(kContinuation).us({b(powerOutTps(n, 0)), b(powerOutTps(n, 1))}).end();
        for (int row = 0; row < 3; ++row) {
            l.text(kContinuation);
            for (int c = 0; c < 4; ++c) l.u((b(powerOutMap(n, row)) >> c) & 1);
            l.end();
        }
    }
    l.text("TEST        ").us({b(TEST_RPM) * 100, b(TEST_SERVO) * 10}).end();
    l.end();
    l.text("VERSIONS").end();
    l.text("HEX  ")
        .text(sanitiseTrailerText(trailer.unitDate))
        .text("  ")
        .text(sanitiseTrailerText(trailer.unitTime))
        .text("   ")
        .text(sanitiseTrailerText(trailer.unitName))
        .end();
    l.text("EXE  ")
        .text(sanitiseTrailerText(trailer.buildDate))
        .text("   ")
        .text(sanitiseTrailerText(trailer.buildTime))
        .end();
    return l.take();
}

}  // namespace tz
