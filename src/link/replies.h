// The unit's replies to page frames: whether a reply belongs to the running
// transfer, what it stores or proves, and which page comes next.
#pragma once

#include <cstdint>

#include "link/frame.h"
#include "link/transfer.h"
#include "params/image.h"

namespace tz::link {

enum class ReplyOutcome : std::uint8_t {
    Ignored,          // invalid, not for the current page, or no transfer runs
    Refused,          // the current page's reply, but an echo or verify mismatch
    InfoPage,         // the info page with the right protocol version; next page
    VersionMismatch,  // the info page names another protocol version; the link is idle
    NextPage,         // a page accepted; the next one is due
    ReadComplete,     // all three pages read; the verify of what was read is due
    FetchComplete,    // all three pages of a fetch read; the link is idle
    ProgramComplete,  // all three pages stored; the verify is due
    VerifyComplete,   // the third page verified; the link is idle
};

// Every outcome but Ignored proves the unit is there (the watchdog restarts).
// The transfer moves on as the outcome says: page byte, attempt counter,
// link state, the programming-completed flag, the read pages and the
// refused-page flag. The image
// is only compared with; the caller applies a completed read.
ReplyOutcome HandleReply(FrameView frame, Transfer& transfer, const Image& image);

}  // namespace tz::link
