// Subcommands that talk to the unit, on a session ticked at the window's
// 55 ms pace.
#include <algorithm>
#include <cerrno>
#include <charconv>
#include <iostream>
#include <memory>
#include <optional>
#include <span>

#include "cli/cli_context.h"
#include "cli/finding_output.h"
#include "cli/load_ign_file.h"
#include "cli/unit_session.h"
#include "link/connection_watch.h"
#include "link/monitor_fields.h"
#include "logs/log_writer.h"
#include "texts/live_log_texts.h"

namespace tz::cli {

namespace {

// "--port DEV" and the remaining words.
std::optional<std::string> takePort(std::vector<std::string>& args) {
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] != "--port") continue;
        std::string port = args[i + 1];
        args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 2);
        return port;
    }
    return std::nullopt;
}

// Why a write to a stream and its flush failed: the stream keeps no reason,
// the system's last one is that of the write (e.g. no space left on the
// device). Clear errno before the write.
std::error_code streamWriteError() {
    return {errno != 0 ? errno : EIO, std::generic_category()};
}

// A live-data log on a stream: each row handed on at once, so that a reader
// at the other end of a pipe sees it as the frame arrives.
class StreamSink final : public logs::LogSink {
  public:
    explicit StreamSink(std::ostream& out) : out_(out) {}
    std::error_code write(std::string_view bytes) override {
        errno = 0;
        out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out_.flush();
        return out_ ? std::error_code() : streamWriteError();
    }
    // What a stream has passed on cannot be taken back.
    void truncate(std::uint64_t) override {}

  private:
    std::ostream& out_;
};

int fail(Context& c, const std::optional<std::string>& text) {
    if (text && !text->empty()) c.err << *text << '\n';
    return kFailure;
}

enum class Transfer { Program, Verify };

// The check of the file's settings as programming would send them; they go
// to standard error when it finds anything. Kept in `exitCode`: kFailure for
// findings, the open's status for a file that cannot be opened.
bool refusedByCheck(Context& c, const std::string& path, const editing::CheckLimits& limits,
                    int& exitCode) {
    session::Session s({});
    if (!openIgnFileAsShown(c, s, path, exitCode)) return true;
    const std::vector<editing::SettingsFinding> findings =
        editing::checkSettings(s.image(), limits);
    writeFindings(c.err, findings, limits, c.language, s.image(), FindingFormat::Lines);
    exitCode = kFailure;
    return !findings.empty();
}

int transferCommand(Context& c, const char* usage, Transfer transfer) {
    std::optional<std::string> port = takePort(c.args);
    const bool backup = transfer == Transfer::Program && takeFlag(c.args, "--backup");
    const bool check = transfer == Transfer::Program && takeFlag(c.args, "--check");
    editing::CheckLimits limits;
    const bool limitsUsable = !check || takeMaxStep(c.args, limits);
    if (!port || !limitsUsable || c.args.size() != 1 || c.args[0].starts_with("--")) {
        c.err << usage;
        return kUsage;
    }
    // Nothing reaches the unit when the check finds anything.
    int refusal = kSuccess;
    if (check && refusedByCheck(c, c.args[0], limits, refusal)) return refusal;
    UnitSession unit(c, *port);
    if (unit.portBusy()) return kFileError;
    bool fileError = false;
    if (!unit.open(c.args[0], fileError)) return fileError ? kFileError : kFailure;
    unit.session().setBackupBeforeProgram(backup);
    const std::optional<std::string> failure =
        transfer == Transfer::Program ? unit.program() : unit.verify();
    if (failure) {
        fail(c, failure);
        return unit.restorePointFailed() ? kFileError : kFailure;
    }
    return kSuccess;
}

// One JSON object of the logged fields: flags as true and false, list
// items (power outputs, inputs) as 0 and 1 in their list.
void printLive(Context& c, const link::LiveValues& v) {
    const std::span<const link::MonitorField> fields = link::LoggedFields();
    c.out << '{';
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const link::MonitorField& f = fields[i];
        const int value = f.get(v);
        if (f.jsonList.empty()) {
            c.out << (i == 0 ? "\"" : ",\"") << f.name << "\":";
            if (f.flag)
                c.out << (value != 0 ? "true" : "false");
            else
                c.out << value;
            continue;
        }
        const bool first = i == 0 || fields[i - 1].jsonList != f.jsonList;
        const bool last = i + 1 == fields.size() || fields[i + 1].jsonList != f.jsonList;
        if (first) c.out << ",\"" << f.jsonList << "\":[";
        c.out << (first ? "" : ",") << value << (last ? "]" : "");
    }
    c.out << '}' << std::endl;
}

}  // namespace

bool takeFlag(std::vector<std::string>& args, std::string_view flag) {
    const auto at = std::find(args.begin(), args.end(), flag);
    if (at == args.end()) return false;
    args.erase(at);
    return true;
}

int programCommand(Context& c) {
    return transferCommand(c,
                           "usage: tz_arko5-cli program --port DEV [--backup] [--check [--max-step "
                           "DEG]] FILE.ign\n",
                           Transfer::Program);
}

int verifyCommand(Context& c) {
    return transferCommand(c, "usage: tz_arko5-cli verify --port DEV FILE.ign\n", Transfer::Verify);
}

int readCommand(Context& c) {
    std::optional<std::string> port = takePort(c.args);
    if (!port || c.args.size() != 1) {
        c.err << "usage: tz_arko5-cli read --port DEV OUT.ign\n";
        return kUsage;
    }
    UnitSession unit(c, *port);
    if (unit.portBusy()) return kFileError;
    if (std::optional<std::string> failure = unit.read()) return fail(c, failure);
    // Saved as the window's Save does: the image as its controls show it.
    session::Session& s = unit.session();
    s.repair();
    if (!s.save(c.args[0])) {
        c.err << c.messages[texts::Msg::MsgOpenFileError] << '\n';
        return kFileError;
    }
    return kSuccess;
}

namespace {

// "--count N" with N a positive whole number, as the only words left: N.
// Without the words, no count; anything else is wrong usage (0).
std::optional<long> takeCount(std::vector<std::string>& args) {
    if (args.size() != 2 || args[0] != "--count") return std::nullopt;
    const std::string& text = args[1];
    long count = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), count);
    args.clear();
    return ec == std::errc() && end == text.data() + text.size() && count > 0 ? count : 0;
}

// One tick of the monitor; false, with the reason on standard error, once
// the unit has not answered for the watchdog's time (also from the start:
// a unit that never answered, or a device that went away).
bool tickWhileAnswering(Context& c, UnitSession& unit, int& ticks) {
    unit.tick();
    const link::LinkCycle& link = unit.session().link();
    if (++ticks < link::kWatchdogTicks || link.connected()) return true;
    c.err << texts::fillIn(texts::logText(texts::LogText::UnitNotAnswering, c.language),
                           {link.device()})
          << '\n';
    return false;
}

// The session's recording on standard output: the rows of `count` frames
// (all of them without a count).
int monitorCsv(Context& c, UnitSession& unit, std::optional<long> count, logs::LiveCsvForm form) {
    session::Session& s = unit.session();
    if (const std::error_code error = s.startRecording(std::make_unique<StreamSink>(c.out), form)) {
        c.err << "writing the log failed after 0 rows: " << error.message() << '\n';
        return kFailure;
    }
    int ticks = 0;
    while (!count || static_cast<long>(s.recordedRows()) < *count) {
        if (!tickWhileAnswering(c, unit, ticks)) return kFailure;
        // A write that failed stopped the recording; the tick said why.
        if (!s.recording()) return kFailure;
    }
    return kSuccess;
}

int monitorJson(Context& c, UnitSession& unit, std::optional<long> count) {
    std::uint64_t seen = 0;
    int ticks = 0;
    while (!count || static_cast<long>(seen) < *count) {
        if (!tickWhileAnswering(c, unit, ticks)) return kFailure;
        const std::uint64_t frames = unit.session().link().monitorFrames();
        if (frames == seen) continue;
        seen = frames;
        errno = 0;
        printLive(c, unit.session().live());
        if (!c.out) {
            c.err << "writing the output failed: " << streamWriteError().message() << '\n';
            return kFailure;
        }
    }
    return kSuccess;
}

}  // namespace

int monitorCommand(Context& c) {
    std::optional<std::string> port = takePort(c.args);
    const bool csv = takeFlag(c.args, "--csv");
    const bool decimalComma = takeFlag(c.args, "--decimal-comma");
    const std::optional<long> count = takeCount(c.args);
    if (!port || !c.args.empty() || count == 0L || (decimalComma && !csv)) {
        c.err << "usage: tz_arko5-cli monitor --port DEV [--csv [--decimal-comma]] [--count N]\n";
        return kUsage;
    }
    UnitSession unit(c, *port);
    if (unit.portBusy()) return kFileError;
    // The port could not be opened: the session said so.
    if (!unit.session().link().portOpen()) return kFailure;
    if (!csv) return monitorJson(c, unit, count);
    return monitorCsv(
        c, unit, count,
        decimalComma ? logs::LiveCsvForm::DecimalComma : logs::LiveCsvForm::DecimalPoint);
}

}  // namespace tz::cli
