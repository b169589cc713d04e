#include "cli/unit_session.h"

#include <iostream>
#include <thread>

#include "link/system_serial_port.h"
#include "platform/restore_points.h"
#include "session/reports.h"
#include "texts/comparison_texts.h"
#include "texts/unit_state_texts.h"

namespace tz::cli {

UnitSession::UnitSession(Context& context, const std::string& device, bool progressLines)
    : context_(context),
      session_({link::SystemSerialPortFactory(),
                [device] { return std::vector<std::string>{device}; }, ".",
                session::SteadyMilliseconds, restorePointDirectory()}),
      progressLines_(progressLines) {
    // The settings of a first start: Com 1, the interface language.
    OutsideSettings outside = session_.params().outside;
    outside.portIndex = 0;
    outside.searchIndex = 255;
    outside.language = static_cast<std::uint8_t>(texts::languageIndex(context.language));
    session_.setOutsideSettings(outside);
    session_.normalise();
    session_.resetHistory();
    report(session_.openPort());
    next_ = std::chrono::steady_clock::now();
}

UnitSession::~UnitSession() {
    session_.closePort();
}

void UnitSession::show(const std::string& line) {
    if (line == shown_ || !progressLines_) return;
    context_.out << line << std::endl;
    shown_ = line;
}

std::optional<std::string> UnitSession::report(const session::Events& events) {
    std::optional<std::string> failure;
    for (const session::Event& event : events) {
        std::visit(
            session::EventHandlers{
                [&](const link::ReportShown& e) {
                    const std::string line = session::reportLine(e.report, context_.messages);
                    show(line);
                    if (session::reportText(e.report).error) failure = line;
                },
                [&](const link::ProgrammingDone&) {
                    show(session::programmingDoneLine(context_.messages));
                },
                [&](const link::TransferEnded& e) {
                    if (e.outcome == link::Outcome::Succeeded) succeeded_ = e.operation;
                    if (e.outcome != link::Outcome::VersionMismatch) return;
                    context_.err << session::versionMismatchLine(context_.messages, e.unitVersion)
                                 << '\n';
                    failure = std::string();
                },
                [&](const link::PortOpened& e) {
                    if (!e.tellUser) return;
                    if (e.failure == link::OpenFailure::Busy) {
                        portBusy_ = true;
                        context_.err << context_.messages[texts::Msg::MsgPortBusy]
                                     << session_.link().device() << '\n';
                    } else if (e.failure == link::OpenFailure::Permission) {
                        portBusy_ = true;
                        context_.err << texts::noPermissionText(context_.language,
                                                                session_.link().device(), e.group)
                                     << '\n';
                    } else {
                        context_.err << context_.messages[texts::Msg::MsgComOpenError] << '\n';
                    }
                },
                [&](const session::RecordingFailed& e) {
                    context_.err << "writing the log failed after " << e.rows
                                 << " rows: " << e.error.message() << '\n';
                },
                [&](const session::RestorePointKept& e) {
                    if (e.path) return;
                    restorePointFailed_ = true;
                    const std::string line =
                        texts::compareText(texts::CompareText::RestorePointNotWritten,
                                           context_.language, session_.restorePointDirectory());
                    // Without its backup the unit is not programmed.
                    if (e.operation == RestoreOperation::BeforeProgram)
                        failure = line;
                    else
                        context_.err << line << '\n';
                },
                [](const auto&) {},
            },
            event);
    }
    return failure;
}

void UnitSession::tick() {
    next_ += std::chrono::milliseconds(session::Session::kTickMs);
    std::this_thread::sleep_until(next_);
    report(session_.tick());
}

bool UnitSession::open(const std::string& path, bool& fileError) {
    const session::OpenResult result = session_.open(path);
    fileError = result.status == session::OpenStatus::CannotRead;
    if (fileError) {
        context_.err << context_.messages[texts::Msg::MsgOpenFileError] << '\n';
        return false;
    }
    for (const std::string& line :
         session::openLines(result, path, context_.messages, context_.language))
        context_.err << line << '\n';
    if (result.status != session::OpenStatus::Opened) return false;
    session_.normalise();
    report(session_.record());
    return true;
}

std::optional<std::string> UnitSession::finish(const session::Events& started,
                                               link::Operation operation) {
    succeeded_.reset();
    if (std::optional<std::string> failure = report(started)) return failure;
    while (succeeded_ != operation) {
        next_ += std::chrono::milliseconds(session::Session::kTickMs);
        std::this_thread::sleep_until(next_);
        if (std::optional<std::string> failure = report(session_.tick())) return failure;
    }
    return std::nullopt;
}

std::optional<std::string> UnitSession::program() {
    return finish(session_.program(), link::Operation::Program);
}

std::optional<std::string> UnitSession::verify() {
    return finish(session_.verify(), link::Operation::Verify);
}

std::optional<std::string> UnitSession::read() {
    return finish(session_.read(), link::Operation::Read);
}

std::optional<std::string> UnitSession::readForComparison() {
    return finish(session_.readUnitForComparison(), link::Operation::Fetch);
}

}  // namespace tz::cli
