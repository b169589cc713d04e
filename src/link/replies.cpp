#include "link/replies.h"

#include <algorithm>

#include "link/info_page.h"

namespace tz::link {

namespace {

// Image byte 1 is never compared by a verify.
constexpr int kUnverifiedByte = 1;

bool matchesImagePage(FrameView frame, const Image& image, int p, bool skipUnverified) {
    for (int i = 1; i <= kPayloadSize; ++i) {
        const int at = kPageSize * (p - 1) + i - 1;
        if (skipUnverified && at == kUnverifiedByte) continue;
        if (frame[i] != image[at]) return false;
    }
    return true;
}

ReplyOutcome refused(Transfer& t) {
    t.pageRefused = true;
    return ReplyOutcome::Refused;
}

ReplyOutcome nextPage(Transfer& t, ReplyOutcome outcome) {
    ++t.pageByte;
    t.attempts = 1;
    return outcome;
}

ReplyOutcome startVerifyOfTransfer(Transfer& t, ReplyOutcome outcome) {
    t.state = LinkState::Verifying;
    t.pageByte = kFirstVerifyPage;
    t.attempts = 1;
    return outcome;
}

ReplyOutcome infoPage(FrameView frame, Transfer& t) {
    if (frame[1 + kInfoProtocolVersionByte] != kProtocolVersion) {
        t.state = LinkState::Idle;
        return ReplyOutcome::VersionMismatch;
    }
    return nextPage(t, ReplyOutcome::InfoPage);
}

}  // namespace

ReplyOutcome HandleReply(FrameView frame, Transfer& t, const Image& image) {
    const int p = PageNumber(t.pageByte);
    if (!IsValidFrame(frame) || p > kPageCount) return ReplyOutcome::Ignored;
    if (frame[0] != (t.pageByte ^ kReplyBit) || t.state == LinkState::Idle)
        return ReplyOutcome::Ignored;

    switch (t.state) {
        case LinkState::Reading:
            if (p == 0) return infoPage(frame, t);
            std::copy(frame.begin() + 1, frame.begin() + 1 + kPayloadSize,
                      t.readPages.begin() + kPageSize * (p - 1));
            if (p < kPageCount) return nextPage(t, ReplyOutcome::NextPage);
            if (t.operation == Operation::Fetch) {
                t.state = LinkState::Idle;
                return ReplyOutcome::FetchComplete;
            }
            return startVerifyOfTransfer(t, ReplyOutcome::ReadComplete);

        case LinkState::Verifying:
            if (!matchesImagePage(frame, image, p, true)) return refused(t);
            if (p < kPageCount) return nextPage(t, ReplyOutcome::NextPage);
            t.state = LinkState::Idle;
            return ReplyOutcome::VerifyComplete;

        case LinkState::Programming:
            if (p == 0) return infoPage(frame, t);
            if (!matchesImagePage(frame, image, p, false)) return refused(t);
            if (p < kPageCount) return nextPage(t, ReplyOutcome::NextPage);
            t.programmingCompleted = true;
            return startVerifyOfTransfer(t, ReplyOutcome::ProgramComplete);

        case LinkState::Idle:
            break;
    }
    return ReplyOutcome::Ignored;
}

}  // namespace tz::link
