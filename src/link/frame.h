// The 102-byte frames of the serial line: a kind or page byte, 100 bytes of
// payload and a check byte, the same rule in both directions.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "params/image.h"

namespace tz::link {

inline constexpr int kFrameSize = 102;
inline constexpr int kPayloadSize = 100;
inline constexpr int kCheckByte = 101;

using Frame = std::array<std::uint8_t, kFrameSize>;
using FrameView = std::span<const std::uint8_t, kFrameSize>;

inline constexpr std::uint8_t kPollKind = 0x30;
inline constexpr std::uint8_t kMonitorKind = 0xB0;
// Set in every reply of the unit.
inline constexpr std::uint8_t kReplyBit = 0x80;
// Page byte flag: the unit only returns its page and stores nothing.
inline constexpr std::uint8_t kNoStoreBit = 0x40;
inline constexpr std::uint8_t kPageNumberMask = 0x3F;

// Where the three test request bytes travel in a poll frame.
inline constexpr int kTestRequestByte = 21;

constexpr int PageNumber(std::uint8_t pageByte) {
    return pageByte & kPageNumberMask;
}

// 0xFF XOR bytes 0..100.
std::uint8_t CheckByteOf(FrameView frame);
// Puts the check byte of bytes 0..100 into byte 101.
void Seal(Frame& frame);
// A frame is valid when 0xFF XOR all 102 bytes is 0.
bool IsValidFrame(FrameView frame);

// The page frame for a page byte: the image page as payload when the page
// number is 1..3 and the link is not reading, 100 zero bytes otherwise.
Frame BuildPageFrame(std::uint8_t pageByte, const Image& image, bool reading);

// A poll frame carrying the three test request bytes in bytes 21..23.
Frame BuildPollFrame(const std::array<std::uint8_t, 3>& testRequests);

}  // namespace tz::link
