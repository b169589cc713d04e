// The state of the link between ticks: what it is doing, which page is on
// the way, how often it was sent, and the step that every tick takes.
#pragma once

#include <cstdint>

#include "params/image.h"

namespace tz::link {

enum class LinkState : std::uint8_t { Idle = 0, Programming = 1, Verifying = 2, Reading = 3 };

// What the user started: a programming run (pages stored, then verified), a
// verify, or a read (pages read, then verified). A fetch reads the pages as a
// read does but only keeps them: nothing is stored, verified or put into the
// image (a comparison with the unit, a backup before programming).
enum class Operation : std::uint8_t { Program, Verify, Read, Fetch };

inline constexpr int kPollTicks = 6;
inline constexpr int kResendTicks = 4;
inline constexpr int kMaxTransmissions = 5;

inline constexpr std::uint8_t kInfoPage = 0x00;
inline constexpr std::uint8_t kFirstVerifyPage = 0x41;
inline constexpr std::uint8_t kReadInfoPage = 0x40;

struct Transfer {
    LinkState state = LinkState::Idle;
    // What the running (or last) transfer was started as; a programming run
    // and a read go on with a verify of their own.
    Operation operation = Operation::Program;
    std::uint8_t pageByte = 0;
    int tickCounter = 0;  // ticks since the last frame went out
    int attempts = 0;     // transmissions of the current page
    // The last page of a programming run was stored; its verify runs or ran.
    bool programmingCompleted = false;
    // The unit's pages of a running read. They reach the image only when
    // all three have arrived, so a failed read leaves the image as it was.
    Image readPages{};
    // The unit refused a page of this transfer: it answered, but its page
    // differed (a verify) or did not echo what was sent (a programming run).
    bool pageRefused = false;

    // The start commands replace whatever runs; the tick counter goes on
    // from the idle polling, so the first frame leaves one to four ticks
    // later.
    void startProgramming();
    void startVerify();
    void startRead();
    // A fetch runs in the reading state, with the frames of a read.
    void startFetch();
};

enum class StepAction : std::uint8_t {
    None,
    SendPage,  // send the current page (again)
    SendPoll,
    Failed,  // five transmissions without an accepted reply; the link is idle
};

struct StepResult {
    StepAction action = StepAction::None;
    LinkState failed = LinkState::Idle;  // the transfer that failed
};

// One tick of the state machine: a poll every 6 ticks while idle; while a
// transfer runs a resend every 4 ticks and failure after the fifth.
StepResult StepTransfer(Transfer& transfer);

}  // namespace tz::link
