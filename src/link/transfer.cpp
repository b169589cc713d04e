#include "link/transfer.h"

namespace tz::link {

void Transfer::startProgramming() {
    state = LinkState::Programming;
    operation = Operation::Program;
    pageByte = kInfoPage;
    attempts = 0;
    pageRefused = false;
    programmingCompleted = false;
}

void Transfer::startVerify() {
    state = LinkState::Verifying;
    operation = Operation::Verify;
    pageByte = kFirstVerifyPage;
    attempts = 0;
    pageRefused = false;
}

void Transfer::startRead() {
    state = LinkState::Reading;
    operation = Operation::Read;
    pageByte = kReadInfoPage;
    attempts = 0;
    pageRefused = false;
    readPages = {};
}

void Transfer::startFetch() {
    startRead();
    operation = Operation::Fetch;
}

StepResult StepTransfer(Transfer& t) {
    if (t.state == LinkState::Idle) {
        if (++t.tickCounter < kPollTicks) return {};
        t.tickCounter = 0;
        return {StepAction::SendPoll};
    }
    if (t.state == LinkState::Reading) t.programmingCompleted = false;
    if (++t.tickCounter < kResendTicks) return {};
    t.tickCounter = 0;
    if (++t.attempts <= kMaxTransmissions) return {StepAction::SendPage};

    const LinkState failed = t.state;
    if (failed != LinkState::Programming) t.programmingCompleted = false;
    t.state = LinkState::Idle;
    return {StepAction::Failed, failed};
}

}  // namespace tz::link
