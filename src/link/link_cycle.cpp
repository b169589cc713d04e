#include "link/link_cycle.h"

#include <algorithm>
#include <utility>

#include "link/replies.h"

namespace tz::link {

namespace {

constexpr int kSavingFullScale = 600;
constexpr int kSavingGaugeMax = 100;

Report failureReport(LinkState failed) {
    switch (failed) {
        case LinkState::Programming:
            return Report::ProgramFailed;
        case LinkState::Verifying:
            return Report::VerifyFailed;
        case LinkState::Reading:
        case LinkState::Idle:
            break;
    }
    return Report::ReadFailed;
}

}  // namespace

LinkCycle::LinkCycle(SerialPortFactory factory, PortTableSource portTable)
    : port_(std::move(factory), std::move(portTable)) {}

void LinkCycle::tick() {
    events_.clear();
    ReceiveFrames();
    stepState();
    stepReport();
    watchConnection();
}

void LinkCycle::ReceiveFrames() {
    const std::optional<Frame> frame = port_.ReceiveFrame();
    if (!frame) return;
    if ((*frame)[0] == kMonitorKind)
        DecodeMonitor(*frame);
    else
        HandleReplyFrame(*frame);
}

void LinkCycle::DecodeMonitor(const Frame& frame) {
    const std::optional<LiveValues> live = DecodeMonitorFrame(frame);
    if (!live) return;
    watch_.answered();
    ++monitorFrames_;
    live_ = *live;
    const bool runningChanged = live_.running != runningMemory_;
    runningMemory_ = live_.running;
    events_.push_back(MonitorFrame{live_, runningChanged});
}

void LinkCycle::HandleReplyFrame(const Frame& frame) {
    const LinkState before = transfer_.state;
    const ReplyOutcome outcome = HandleReply(frame, transfer_, image_);
    if (outcome == ReplyOutcome::Ignored) return;
    watch_.answered();
    const auto payload = FrameView(frame).subspan<1, kPayloadSize>();

    switch (outcome) {
        case ReplyOutcome::Ignored:
        case ReplyOutcome::Refused:
            return;

        case ReplyOutcome::VersionMismatch:
            unit_ = DecodeInfoPage(payload);
            // A fetch leaves the image alone, whatever the unit answers.
            if (transfer_.operation != Operation::Fetch) events_.push_back(RepairDue{});
            ended(Outcome::VersionMismatch, payload[kInfoProtocolVersionByte]);
            // The box that tells the user replaces the report.
            reportTicks_ = 0;
            events_.push_back(ReportCleared{});
            return;

        case ReplyOutcome::InfoPage:
            unit_ = DecodeInfoPage(payload);
            if (before == LinkState::Programming) events_.push_back(RepairDue{});
            [[fallthrough]];
        case ReplyOutcome::NextPage:
            setProgress(progress_.maximum, progress_.position + 1);
            SendPageFrame();
            return;

        case ReplyOutcome::ReadComplete:
            // The verify that follows compares the unit with the pages as the
            // taker repairs them (ContinueRead); its resends count from now.
            image_ = transfer_.readPages;
            transfer_.tickCounter = 0;
            readHandedUp_ = true;
            events_.push_back(PagesRead{transfer_.readPages});
            return;

        case ReplyOutcome::ProgramComplete:
            SendPageFrame();
            startedVerifyOfTransfer();
            return;

        case ReplyOutcome::FetchComplete:
            fetched_ = transfer_.readPages;
            setProgress(progress_.maximum, progress_.maximum);
            show(Report::ReadOk);
            ended(Outcome::Succeeded);
            return;

        case ReplyOutcome::VerifyComplete:
            setProgress(progress_.maximum, progress_.maximum);
            show(Report::VerifyOk);
            // A programming run ends once the unit has stored the pages.
            if (transfer_.operation == Operation::Program)
                saveWatch_.start();
            else
                ended(Outcome::Succeeded);
            return;
    }
}

void LinkCycle::stepState() {
    const bool idle = transfer_.state == LinkState::Idle;
    const StepResult step = StepTransfer(transfer_);
    switch (step.action) {
        case StepAction::None:
            break;
        case StepAction::SendPage:
            SendPageFrame();
            break;
        case StepAction::SendPoll:
            SendPollFrame();
            break;
        case StepAction::Failed:
            show(failureReport(step.failed));
            ended(Outcome::Failed);
            break;
    }
    if (idle) stepIdle();
}

void LinkCycle::stepIdle() {
    const int saving = live_.savingCountdown;
    const SaveWatch::Verdict save = saveWatch_.step(saving, watch_.connected());
    if (save == SaveWatch::Verdict::Failed) {
        // Gone while it stored the pages: it may hold none of them.
        transfer_.programmingCompleted = false;
        show(Report::ProgramFailed);
        events_.push_back(TransferEnded{Operation::Program, Outcome::Failed});
        return;
    }
    if (saving > 0) {
        show(Report::Saving);
        setProgress(kSavingGaugeMax,
                    std::max(0, kSavingGaugeMax * (kSavingFullScale - saving) / kSavingFullScale));
    } else if (!saveWatch_.unitAway()) {
        setProgress(kPageCount, progress_.position);
        if (transfer_.programmingCompleted) {
            events_.push_back(ProgrammingDone{});
            setProgress(kPageCount, kPageCount);
        }
    }
    if (save == SaveWatch::Verdict::Saved)
        events_.push_back(TransferEnded{Operation::Program, Outcome::Succeeded});
}

void LinkCycle::stepReport() {
    if (reportTicks_ > 0)
        --reportTicks_;
    else
        transfer_.programmingCompleted = false;
}

void LinkCycle::watchConnection() {
    const ConnectionWatch::Step before = lastWatchStep_;
    lastWatchStep_ = watch_.step();
    if (before == ConnectionWatch::Step::Connected &&
        lastWatchStep_ != ConnectionWatch::Step::Connected) {
        const bool wasRunning = live_.running;
        live_ = {};
        runningMemory_ = false;
        events_.push_back(ConnectionLost{wasRunning});
    }
    if (lastWatchStep_ != ConnectionWatch::Step::Reopen) return;
    port_.ClosePort();
    port_.setSilentReopen(true);
    choice_.searchIndex = static_cast<std::uint8_t>((choice_.searchIndex + 1) % (kPortAuto + 1));
    openPort();
}

void LinkCycle::openPort() {
    const PortOpened opened = port_.OpenPort(choice_);
    if (!opened.opened && choice_.index == kPortAuto) watch_.reconnect = kReopenAtOnce;
    events_.push_back(opened);
}

void LinkCycle::OpenPort() {
    events_.clear();
    openPort();
}

void LinkCycle::ClosePort() {
    events_.clear();
    port_.ClosePort();
}

void LinkCycle::ChoosePort(int index) {
    events_.clear();
    choice_.index = static_cast<std::uint8_t>(std::clamp(index, 0, int{kPortAuto}));
    port_.choose();
    port_.ClosePort();
    port_.setSilentReopen(false);
    openPort();
}

void LinkCycle::SendPageFrame() {
    transfer_.tickCounter = 0;
    port_.Send(BuildPageFrame(transfer_.pageByte, image_, transfer_.state == LinkState::Reading));
}

void LinkCycle::startedVerifyOfTransfer() {
    show(Report::Verifying);
    setProgress(progress_.maximum, 0);
}

void LinkCycle::SendPollFrame() {
    port_.Send(BuildPollFrame(tests_.take()));
}

void LinkCycle::setProgress(int maximum, int position) {
    const Progress next{maximum, std::min(position, maximum)};
    if (next.maximum == progress_.maximum && next.position == progress_.position) return;
    progress_ = next;
    events_.push_back(ProgressChanged{progress_.maximum, progress_.position});
}

void LinkCycle::show(Report report) {
    reportTicks_ = kReportTicks;
    events_.push_back(ReportShown{report});
}

void LinkCycle::started(Report report) {
    show(report);
    progress_.position = 0;
    events_.push_back(ProgressChanged{progress_.maximum, 0});
    events_.push_back(ProgressShown{});
}

void LinkCycle::ended(Outcome outcome, int unitVersion) {
    events_.push_back(
        TransferEnded{transfer_.operation, outcome, unitVersion, transfer_.pageRefused});
}

void LinkCycle::StartProgramming(const Image& image) {
    events_.clear();
    image_ = image;
    readHandedUp_ = false;
    transfer_.startProgramming();
    started(Report::ProgramStarted);
}

void LinkCycle::StartVerify(const Image& image) {
    events_.clear();
    image_ = image;
    readHandedUp_ = false;
    transfer_.startVerify();
    started(Report::VerifyStarted);
}

void LinkCycle::StartRead() {
    events_.clear();
    readHandedUp_ = false;
    transfer_.startRead();
    started(Report::ReadStarted);
}

void LinkCycle::ContinueRead(const Image& repaired) {
    events_.clear();
    if (!std::exchange(readHandedUp_, false)) return;
    image_ = repaired;
    // The first verify frame goes out in the tick the pages arrived in, which
    // already counted towards its resend.
    port_.Send(BuildPageFrame(transfer_.pageByte, image_, false));
    startedVerifyOfTransfer();
}

void LinkCycle::StartFetch() {
    events_.clear();
    readHandedUp_ = false;
    transfer_.startFetch();
    started(Report::ReadStarted);
}

void LinkCycle::PressTestButton(TestButton button) {
    events_.clear();
    tests_.press(button);
}

}  // namespace tz::link
