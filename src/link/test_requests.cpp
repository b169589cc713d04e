#include "link/test_requests.h"

namespace tz::link {

namespace {

struct ButtonBit {
    TestButton button;
    int requestByte;  // 0 = A, 1 = B, 2 = C
    std::uint8_t bit;
};

constexpr ButtonBit kButtons[] = {
    {TestButton::Ignition1, 0, 0x01}, {TestButton::Ignition2, 0, 0x02},
    {TestButton::PowerOut1, 1, 0x01}, {TestButton::PowerOut2, 1, 0x02},
    {TestButton::PowerOut3, 1, 0x04}, {TestButton::Rpm, 1, 0x10},
    {TestButton::ServoPlus, 2, 0x01}, {TestButton::ServoMinus, 2, 0x02},
};

}  // namespace

void TestRequests::press(TestButton button) {
    for (const ButtonBit& b : kButtons)
        if (b.button == button) bytes_[static_cast<std::size_t>(b.requestByte)] |= b.bit;
}

std::array<std::uint8_t, 3> TestRequests::take() {
    const std::array<std::uint8_t, 3> taken = bytes_;
    bytes_ = {};
    return taken;
}

}  // namespace tz::link
