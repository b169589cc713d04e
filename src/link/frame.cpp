#include "link/frame.h"

#include <algorithm>

namespace tz::link {

std::uint8_t CheckByteOf(FrameView frame) {
    std::uint8_t check = 0xFF;
    for (int i = 0; i < kCheckByte; ++i) check ^= frame[i];
    return check;
}

void Seal(Frame& frame) {
    frame[kCheckByte] = CheckByteOf(frame);
}

bool IsValidFrame(FrameView frame) {
    return CheckByteOf(frame) == frame[kCheckByte];
}

Frame BuildPageFrame(std::uint8_t pageByte, const Image& image, bool reading) {
    Frame frame{};
    frame[0] = pageByte;
    const int p = PageNumber(pageByte);
    if (p >= 1 && p <= kPageCount && !reading) {
        const auto payload = page(image, p);
        std::copy(payload.begin(), payload.end(), frame.begin() + 1);
    }
    Seal(frame);
    return frame;
}

Frame BuildPollFrame(const std::array<std::uint8_t, 3>& testRequests) {
    Frame frame{};
    frame[0] = kPollKind;
    std::copy(testRequests.begin(), testRequests.end(), frame.begin() + kTestRequestByte);
    Seal(frame);
    return frame;
}

}  // namespace tz::link
