#include "link/replies.h"

#include <gtest/gtest.h>

#include <functional>

#include "link_fixture.h"

namespace tz::link {
namespace {

using testing::Reply;

Image numberedImage() {
    Image image{};
    for (int i = 0; i < kImageSize; ++i) image[i] = static_cast<std::uint8_t>(i * 3 + 1);
    return image;
}

struct ReplyCase {
    const char* name;
    LinkState state;
    std::uint8_t pageByte;
    std::uint8_t replyByte;
    int changedImageByte;  // the reply differs from the image here; -1 for none
    ReplyOutcome outcome;
};

TEST(HandleReply, AcceptsOnlyTheCurrentPagesMatchingReply) {
    const Image image = numberedImage();
    const ReplyCase cases[] = {
        {"verify match", LinkState::Verifying, 0x41, 0xC1, -1, ReplyOutcome::NextPage},
        {"verify ignores byte 1", LinkState::Verifying, 0x41, 0xC1, 1, ReplyOutcome::NextPage},
        {"verify compares byte 0", LinkState::Verifying, 0x41, 0xC1, 0, ReplyOutcome::Refused},
        {"verify compares byte 101", LinkState::Verifying, 0x42, 0xC2, 101, ReplyOutcome::Refused},
        {"echo compares byte 1", LinkState::Programming, 0x01, 0x81, 1, ReplyOutcome::Refused},
        {"echo match", LinkState::Programming, 0x01, 0x81, -1, ReplyOutcome::NextPage},
        {"reply to the previous page", LinkState::Verifying, 0x42, 0xC1, -1, ReplyOutcome::Ignored},
        {"reply while idle", LinkState::Idle, 0x41, 0xC1, -1, ReplyOutcome::Ignored},
        {"request byte without bit 7", LinkState::Verifying, 0x41, 0x41, -1, ReplyOutcome::Ignored},
        {"last page stored", LinkState::Programming, 0x03, 0x83, -1, ReplyOutcome::ProgramComplete},
        {"last page verified", LinkState::Verifying, 0x43, 0xC3, -1, ReplyOutcome::VerifyComplete},
        {"last page read", LinkState::Reading, 0x43, 0xC3, 250, ReplyOutcome::ReadComplete},
    };
    for (const ReplyCase& c : cases) {
        const int p = PageNumber(c.pageByte);
        std::array<std::uint8_t, kPayloadSize> payload{};
        std::copy_n(image.begin() + 100 * (PageNumber(c.replyByte) - 1), 100, payload.begin());
        if (c.changedImageByte >= 0) payload[c.changedImageByte - 100 * (p - 1)] ^= 0x40;
        Transfer t;
        t.state = c.state;
        t.pageByte = c.pageByte;
        t.attempts = 3;
        EXPECT_EQ(HandleReply(Reply(c.replyByte, payload), t, image), c.outcome) << c.name;
    }
}

TEST(HandleReply, AnInvalidCheckByteIsIgnored) {
    const Image image = numberedImage();
    Frame f = Reply(0xC1, page(image, 1));
    f[101] ^= 0x01;
    Transfer t;
    t.state = LinkState::Verifying;
    t.pageByte = 0x41;
    EXPECT_EQ(HandleReply(f, t, image), ReplyOutcome::Ignored);
}

TEST(HandleReply, AcceptedPagesMoveOnAndCompletedRunsSwitchToVerify) {
    const Image image = numberedImage();
    Transfer t;
    t.startProgramming();
    std::array<std::uint8_t, kPayloadSize> info{};
    info[10] = kProtocolVersion;
    EXPECT_EQ(HandleReply(Reply(0x80, info), t, image), ReplyOutcome::InfoPage);
    EXPECT_EQ(t.pageByte, 0x01);
    EXPECT_EQ(t.attempts, 1);
    for (int p = 1; p <= 3; ++p)
        HandleReply(Reply(static_cast<std::uint8_t>(0x80 | p), page(image, p)), t, image);
    EXPECT_EQ(t.state, LinkState::Verifying);
    EXPECT_EQ(t.pageByte, 0x41);
    EXPECT_TRUE(t.programmingCompleted);

    Transfer r;
    r.startRead();
    info[10] = 85;
    EXPECT_EQ(HandleReply(Reply(0xC0, info), r, image), ReplyOutcome::VersionMismatch);
    EXPECT_EQ(r.state, LinkState::Idle);
}

TEST(HandleReply, AReadBuffersItsPagesOutsideTheImage) {
    const Image image = numberedImage();
    Image unit{};
    unit.fill(0x5A);
    Transfer t;
    t.startRead();
    t.pageByte = 0x41;
    for (int p = 1; p <= 3; ++p)
        HandleReply(Reply(static_cast<std::uint8_t>(0xC0 | p), page(unit, p)), t, image);
    EXPECT_EQ(t.readPages, unit);
    EXPECT_EQ(t.state, LinkState::Verifying);
}

}  // namespace
}  // namespace tz::link
