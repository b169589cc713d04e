#include "link/link_cycle.h"

#include <algorithm>

#include "link/replies.h"

namespace tz::link {

using texts::Msg;
using ui::Colour;

namespace {

constexpr int kSavingFullScale = 600;
constexpr int kSavingGaugeMax = 100;

}  // namespace

LinkCycle::LinkCycle(LinkHost& host, SerialPortFactory factory, PortTableSource portTable)
    : host_(host),
      port_(host, std::move(factory), std::move(portTable)),
      unitVersionLine_(FormatUnitVersionLine(VersionState::Unknown, "", "", "", "")) {}

void LinkCycle::tick() {
    ReceiveFrames();
    stepState();
    if (!host_.TickMessageLine()) transfer_.programmingCompleted = false;
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
    std::optional<MonitorResult> result =
        DecodeMonitorFrame(frame, host_.params().image, host_.messages());
    if (!result) return;
    watch_.answered();
    ++monitorFrames_;
    live_ = result->live;
    host_.ShowMonitor(result->display);
    if (live_.running != runningMemory_) {
        runningMemory_ = live_.running;
        host_.RefreshLayout();
    }
    const std::string mismatch = live_.versionState == VersionState::Mismatch
                                     ? VersionMismatchText(host_.messages(), live_.protocolVersion)
                                     : std::string();
    unitVersionLine_ =
        FormatUnitVersionLine(live_.versionState, mismatch, unit_.name, unit_.date, unit_.time);
}

void LinkCycle::HandleReplyFrame(const Frame& frame) {
    const LinkState before = transfer_.state;
    const ReplyOutcome outcome = HandleReply(frame, transfer_, host_.params().image);
    if (outcome == ReplyOutcome::Ignored) return;
    watch_.answered();
    const auto payload = FrameView(frame).subspan<1, kPayloadSize>();

    switch (outcome) {
        case ReplyOutcome::Ignored:
        case ReplyOutcome::Refused:
            return;

        case ReplyOutcome::VersionMismatch:
            unit_ = DecodeInfoPage(payload);
            host_.NormaliseAndShow();
            host_.ShowMessageBox(
                VersionMismatchText(host_.messages(), payload[kInfoProtocolVersionByte]));
            host_.ClearMessageLineCountdown();
            return;

        case ReplyOutcome::InfoPage:
            unit_ = DecodeInfoPage(payload);
            if (before == LinkState::Programming) host_.NormaliseAndShow();
            [[fallthrough]];
        case ReplyOutcome::NextPage:
            setProgress(progress_.maximum, progress_.position + 1);
            SendPageFrame();
            return;

        case ReplyOutcome::ReadComplete:
            host_.params().image = transfer_.readPages;
            host_.ImageWasRead();
            [[fallthrough]];
        case ReplyOutcome::ProgramComplete:
            SendPageFrame();
            host_.ShowMessageLine(text(Msg::MsgVerifyProgress) + ":", Colour::ButtonFace);
            setProgress(progress_.maximum, 0);
            return;

        case ReplyOutcome::VerifyComplete:
            setProgress(progress_.maximum, progress_.maximum);
            host_.ShowMessageLine(text(Msg::MsgVerifyProgress) + ": OK", Colour::ButtonFace);
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
        case StepAction::Failed: {
            const Msg error = step.failed == LinkState::Programming ? Msg::MsgProgramError
                              : step.failed == LinkState::Verifying ? Msg::MsgVerifyError
                                                                    : Msg::MsgReadError;
            host_.ShowMessageLine(text(error), Colour::Red);
            break;
        }
    }
    if (idle) stepIdle();
}

void LinkCycle::stepIdle() {
    const int saving = live_.savingCountdown;
    if (saving > 0) {
        host_.ShowMessageLine(text(Msg::MsgSaving), Colour::ButtonFace);
        setProgress(kSavingGaugeMax,
                    std::max(0, kSavingGaugeMax * (kSavingFullScale - saving) / kSavingFullScale));
        return;
    }
    setProgress(kPageCount, progress_.position);
    if (transfer_.programmingCompleted) {
        host_.SetMessageLineText(text(Msg::MsgProgramDevice) + ": OK");
        setProgress(kPageCount, kPageCount);
    }
}

void LinkCycle::watchConnection() {
    switch (watch_.step()) {
        case ConnectionWatch::Step::Connected:
            host_.SetNotConnectedBanner(false);
            return;
        case ConnectionWatch::Step::NotConnected:
            host_.SetNotConnectedBanner(true);
            return;
        case ConnectionWatch::Step::Reopen:
            break;
    }
    host_.SetNotConnectedBanner(true);
    port_.ClosePort();
    port_.setSilentReopen(true);
    OutsideSettings& outside = host_.params().outside;
    outside.searchIndex = static_cast<std::uint8_t>((outside.searchIndex + 1) % (kPortAuto + 1));
    OpenPort();
}

void LinkCycle::OpenPort() {
    if (!port_.OpenPort() && host_.params().outside.portIndex == kPortAuto)
        watch_.reconnect = kReopenAtOnce;
}

void LinkCycle::ClosePort() {
    port_.ClosePort();
}

void LinkCycle::ChoosePort(int index) {
    host_.params().outside.portIndex =
        static_cast<std::uint8_t>(std::clamp(index, 0, int{kPortAuto}));
    port_.ClosePort();
    port_.setSilentReopen(false);
    OpenPort();
}

void LinkCycle::SendPageFrame() {
    transfer_.tickCounter = 0;
    port_.Send(BuildPageFrame(transfer_.pageByte, host_.params().image,
                              transfer_.state == LinkState::Reading));
}

void LinkCycle::SendPollFrame() {
    port_.Send(BuildPollFrame(tests_.take()));
}

void LinkCycle::setProgress(int maximum, int position) {
    const Progress next{maximum, std::min(position, maximum)};
    if (next.maximum == progress_.maximum && next.position == progress_.position) return;
    progress_ = next;
    host_.SetProgress(progress_.maximum, progress_.position);
}

void LinkCycle::startShown(Msg message) {
    host_.ShowMessageLine(text(message), Colour::ButtonFace);
    progress_.position = 0;
    host_.SetProgress(progress_.maximum, 0);
    host_.ShowProgress();
}

void LinkCycle::Program() {
    if (host_.PrepareToSend()) StartProgramming();
}

void LinkCycle::Verify() {
    if (host_.PrepareToSend()) StartVerify();
}

void LinkCycle::StartProgramming() {
    transfer_.startProgramming();
    startShown(Msg::MsgProgramDevice);
}

void LinkCycle::StartVerify() {
    transfer_.startVerify();
    startShown(Msg::MsgVerifyProgress);
}

void LinkCycle::Read() {
    transfer_.startRead();
    startShown(Msg::MsgReadProgress);
}

void LinkCycle::PressTestButton(TestButton button) {
    tests_.press(button);
}

}  // namespace tz::link
