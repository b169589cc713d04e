#include "params/image_diff.h"

#include <array>

#include "params/ign_values.h"

namespace tz {

using namespace field;

namespace {

// A verify compares every byte of the three pages but this one.
constexpr int kUnverifiedByte = 1;

bool within(int byte, int first, int count) {
    return byte >= first && byte < first + count;
}

}  // namespace

GridCell gridCellOfByte(int byte) {
    if (within(byte, RPM_ADV, kAxisPoints))
        return {Grid::AdvanceMap, kAdvanceMapAxisRow, byte - RPM_ADV};
    if (within(byte, ADVANCE, kMapRows * kMapColumns)) {
        const int k = byte - ADVANCE;
        return {Grid::AdvanceMap, kAdvanceMapFirstCellRow + k / kMapColumns, k % kMapColumns};
    }
    if (within(byte, SERVO_RPM, kAxisPoints))
        return {Grid::ServoCurve, kServoRpmRow, byte - SERVO_RPM};
    if (within(byte, SERVO_MV, kAxisPoints))
        return {Grid::ServoCurve, kServoMvRow, byte - SERVO_MV};
    return {};
}

namespace {

// The bits of each byte that some number of a .ign file shows.
std::array<int, kImageSize> shownBitsOfBytes() {
    std::array<int, kImageSize> shown{};
    for (const IgnValue& v : ignValues()) shown[static_cast<std::size_t>(v.byte)] |= v.shownBits();
    return shown;
}

}  // namespace

WindowPage pageOfByte(int byte) {
    if (isReservedByte(byte)) return WindowPage::None;
    switch (byte) {
        case LIMITER_RPM:
        case START_LIMITER_RPM:
        case START_LIMITER_DELAY:
        case CLUTCH_TIME:
        case CLUTCH_PAUSE:
        case RETARD:
        case TPS_0_MV:
        case TPS_100_MV:
        case INPUT1_FUNCTION:
        case INPUT2_FUNCTION:
            return WindowPage::Inputs;
        case BASE_ADV:
        case COR_ADV_1:
        case COR_ADV_2:
        case TPS_MAPA:
            return WindowPage::AdvanceMap;
        case SERVO_ENABLE:
        case SERVO_HYSTER:
            return WindowPage::Servo;
        case TEST_RPM:
        case TEST_SERVO:
            return WindowPage::Test;
        default:
            break;
    }
    if (within(byte, RPM_ADV, kAxisPoints) || within(byte, ADVANCE, kMapRows * kMapColumns))
        return WindowPage::AdvanceMap;
    if (within(byte, SERVO_RPM, kAxisPoints) || within(byte, SERVO_MV, kAxisPoints))
        return WindowPage::Servo;
    if (byte >= POWER_OUT_MODE) return WindowPage::PowerOut;
    // What is left of page 1: the motorcycle, synchronisation, lobe and
    // pick-up settings.
    return WindowPage::Bike;
}

std::vector<ImageDifference> DiffImages(const Image& a, const Image& b) {
    std::vector<ImageDifference> out;
    for (const IgnValue& v : ignValues()) {
        const long va = v.of(a), vb = v.of(b);
        if (va != vb)
            out.push_back({v.key, v.index, va, vb, pageOfByte(v.byte), gridCellOfByte(v.byte),
                           v.byte, v.bit});
    }
    static const std::array<int, kImageSize> shown = shownBitsOfBytes();
    for (int i = 0; i < kImageSize; ++i) {
        if (i == kUnverifiedByte) continue;
        if (((a[i] ^ b[i]) & ~shown[static_cast<std::size_t>(i)]) != 0)
            out.push_back({kByteKey, i, a[i], b[i], WindowPage::None, {}, i, -1});
    }
    return out;
}

}  // namespace tz
