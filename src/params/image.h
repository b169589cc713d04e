// The parameter image: the ignition unit's complete settings as 300 bytes,
// the named places of its fields and the encodings between bytes and the
// engineering values that the controls and files show.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace tz {

// The version of the serial protocol and of the .ign format; the unit must
// report the same number.
inline constexpr std::uint8_t kProtocolVersion = 91;

inline constexpr int kImageSize = 300;
inline constexpr int kPageSize = 100;
inline constexpr int kPageCount = 3;

using Image = std::array<std::uint8_t, kImageSize>;

// Byte places of the fields. Multi-byte fields name their first byte; the
// helpers below address their elements.
namespace field {
inline constexpr int BIKE = 0;
inline constexpr int SYNC_METHOD = 2;
inline constexpr int LOBE_COUNT = 3;
inline constexpr int CHANNEL_COUNT = 4;
inline constexpr int GEBER_MODE = 5;
inline constexpr int PICKUP1_POLARITY = 6;
inline constexpr int PICKUP2_POLARITY = 8;
inline constexpr int BASE_ADV = 9;
inline constexpr int NO_SPARK_REVS = 10;
inline constexpr int TACHO_PULSES = 11;
inline constexpr int TACHO_CORRECTION = 12;
inline constexpr int LIMITER_RPM = 13;
inline constexpr int INPUT1_FUNCTION = 14;
inline constexpr int INPUT2_FUNCTION = 15;
inline constexpr int SERVO_ENABLE = 16;
inline constexpr int SERVO_HYSTER = 17;
inline constexpr int COR_ADV_1 = 18;
inline constexpr int COR_ADV_2 = 19;
inline constexpr int TPS_0_MV = 20;
inline constexpr int TPS_100_MV = 21;
inline constexpr int TPS_MAPA = 22;
inline constexpr int COMPENSATION_1 = 23;
inline constexpr int COMPENSATION_2 = 24;
inline constexpr int START_LIMITER_RPM = 25;
inline constexpr int RETARD = 26;
inline constexpr int CLUTCH_TIME = 27;
inline constexpr int CLUTCH_PAUSE = 28;
// Lobe table: six groups of four bytes, the first two of each group used
// (channel 1, channel 2).
inline constexpr int MAX_ADV_LOBE = 30;
inline constexpr int START_ADV_LOBE = 34;
inline constexpr int MAX_ADV_EDGE2 = 38;
inline constexpr int START_ADV_EDGE2 = 42;
inline constexpr int MAX_ADV_PICKUP2 = 46;
inline constexpr int START_ADV_PICKUP2 = 50;
inline constexpr int TEST_RPM = 55;
inline constexpr int TEST_SERVO = 56;
inline constexpr int PICKUPS_INTERCHANGE = 57;
inline constexpr int NO_LOBE_CHECK = 58;
inline constexpr int SPARK_BEFORE_LOBE = 59;
inline constexpr int SPECIAL_START = 60;
inline constexpr int INTERLOCK_INPUT = 61;
inline constexpr int START_LIMITER_DELAY = 62;
inline constexpr int SERVO_RPM = 70;
inline constexpr int SERVO_MV = 80;
inline constexpr int RPM_ADV = 90;
inline constexpr int ADVANCE = 100;
inline constexpr int POWER_OUT_MODE = 200;
inline constexpr int POWER_OUT_RPM = 203;
inline constexpr int POWER_OUT_TPS = 212;
inline constexpr int POWER_OUT_MAP = 218;
}  // namespace field

inline constexpr int kChannels = 2;
inline constexpr int kAxisPoints = 10;  // RPM_ADV, SERVO_RPM, SERVO_MV
inline constexpr int kMapRows = 10;
inline constexpr int kMapColumns = 10;
inline constexpr int kPowerOutputs = 3;

// Throttle breakpoints of the advance map rows, percent.
inline constexpr std::array<int, kMapRows> kTpsBreakpoints = {0, 2, 5, 10, 20, 30, 40, 60, 80, 100};

// Element addressing of the multi-byte fields.
constexpr int lobeByte(int groupStart, int channel) {
    return groupStart + channel;
}
constexpr int advanceCell(int row, int column) {
    return field::ADVANCE + 10 * row + column;
}
constexpr int powerOutMode(int out) {
    return field::POWER_OUT_MODE + out;
}
constexpr int powerOutRpm(int out, int j) {
    return field::POWER_OUT_RPM + 3 * out + j;
}
constexpr int powerOutTps(int out, int j) {
    return field::POWER_OUT_TPS + 2 * out + j;
}
constexpr int powerOutMap(int out, int row) {
    return field::POWER_OUT_MAP + 3 * out + row;
}

// Bytes that no control edits, no rule repairs and no file stores.
bool isReservedByte(int index);

// Page p (1..3) as it travels in a page frame.
std::span<const std::uint8_t, kPageSize> page(const Image& image, int p);
void storePage(Image& image, int p, std::span<const std::uint8_t, kPageSize> payload);

// Encodings between a control position (engineering units) and a byte.
// Every byte result is taken modulo 256, as the unit's 8-bit fields are.
namespace encoding {
constexpr std::uint8_t byteOf(long value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

constexpr std::uint8_t encodeScaled(int position, int scale) {
    return byteOf(position / scale);
}
constexpr int decodeScaled(std::uint8_t b, int scale) {
    return b * scale;
}

constexpr std::uint8_t encodeOffset100(int position) {
    return byteOf(position + 100);
}
constexpr int decodeOffset100(std::uint8_t b) {
    return b - 100;
}

// Throttle voltage at 100 %: 2500..4750 mV map to bytes 0..225.
constexpr std::uint8_t encodeTps100(int position) {
    return byteOf(position / 10 + 6);
}
constexpr int decodeTps100(std::uint8_t b) {
    return b * 10 + 2500;
}

constexpr std::uint8_t encodeFlag(bool checked) {
    return checked ? 1 : 0;
}
constexpr bool decodeFlag(std::uint8_t b) {
    return b != 0;
}

// GEBER_MODE: combo item i is stored as (i + 1) mod 4.
constexpr std::uint8_t encodeGeberMode(int item) {
    return byteOf((item + 1) % 4);
}
constexpr int decodeGeberMode(std::uint8_t b) {
    return (b + 3) % 4;
}

// BIKE: combo items 0..6 hold the codes 0, 2, 3, 4, 5, 6, 1 ("Special
// setting" last). Codes above 6 have no item.
inline constexpr std::array<std::uint8_t, 7> kBikeCodeOfItem = {0, 2, 3, 4, 5, 6, 1};
constexpr std::uint8_t encodeBike(int item) {
    return (item >= 0 && item < 7) ? kBikeCodeOfItem[static_cast<std::size_t>(item)] : 0;
}
// -1 when the code has no item (the combo box then keeps its selection).
constexpr int decodeBike(std::uint8_t code) {
    for (int i = 0; i < 7; ++i)
        if (kBikeCodeOfItem[static_cast<std::size_t>(i)] == code) return i;
    return -1;
}
}  // namespace encoding

// Motorcycle codes of BIKE that matter to rules.
inline constexpr std::uint8_t kBikeSpecial = 1;
inline constexpr std::uint8_t kBikeLastCode = 6;

// Synchronisation methods under which a lobe point may come from pick-up 2.
constexpr bool methodUsesPickup2Points(std::uint8_t method) {
    return method == 0 || method == 4 || method == 6 || method == 10;
}
// Methods that offer the polarity of pick-up 2.
constexpr bool methodOffersPickup2Polarity(std::uint8_t method) {
    return methodUsesPickup2Points(method) || method == 7 || method == 12 || method == 13;
}
inline constexpr std::uint8_t kSyncHarley = 8;
inline constexpr std::uint8_t kSyncTwoPolarities = 9;  // offers only two polarity items

}  // namespace tz
