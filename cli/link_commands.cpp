// Subcommands that talk to the unit: the window's own logic, run headless
// at the window's 55 ms tick.
#include <chrono>
#include <iostream>
#include <optional>
#include <thread>

#include "presenter/main_window.h"
#include "cli/cli_context.h"
#include "cli/headless_services.h"
#include "link/posix_serial_port.h"

namespace tz::cli {

namespace {

constexpr const char* kLanguageWords[] = {"ENGLISH", "DEUTSCH", "FRANCE", "CESKY"};
// Longest wait for the unit's saving report after a programming run.
constexpr int kSavingStartTicks = 40;
constexpr int kSavingMaxTicks = 2000;

// The window with headless services on one serial device.
class HeadlessWindow {
  public:
    HeadlessWindow(Context& c, const std::string& device)
        : context_(c),
          dialogs(c.err),
          window(WindowServices{settings_,
                                dialogs,
                                keys_,
                                host_,
                                printer_,
                                desktop_,
                                clock_,
                                surfaces_,
                                "",
                                "",
                                ".",
                                {},
                                link::PosixSerialPortFactory(),
                                [device] { return std::vector<std::string>{device}; }},
                 {kLanguageWords[texts::languageIndex(c.language)]}) {
        window.FormCreate();
        next_ = std::chrono::steady_clock::now();
    }
    ~HeadlessWindow() { window.FormClose(); }

    // One tick at the window's pace; prints the message line when it changed.
    void tick() {
        next_ += std::chrono::milliseconds(MainWindow::kTickMs);
        std::this_thread::sleep_until(next_);
        window.tick();
        const std::string& line = window.messageLine();
        if (window.controls()["LabelHlaseni"].visible && line != shown_) {
            context_.out << line << std::endl;
            shown_ = line;
        }
    }

    bool idle() const { return window.link().state() == link::LinkState::Idle; }

    // Ticks until the transfer that was just started has ended; the failure
    // text, or nothing on success.
    std::optional<std::string> finishTransfer() {
        const int reportsBefore = dialogs.reports;
        do {
            tick();
            if (window.messageLineIsError()) return window.messageLine();
            if (dialogs.reports != reportsBefore) return std::string();
        } while (!idle());
        return std::nullopt;
    }

    // After programming: until the unit has stored the settings.
    void waitForSaving() {
        bool saving = false;
        for (int t = 0; t < kSavingMaxTicks; ++t) {
            tick();
            const int countdown = window.link().live().savingCountdown;
            if (countdown > 0) saving = true;
            if (saving && countdown == 0) break;
            if (!saving && t >= kSavingStartTicks) break;
        }
        for (int t = 0; t < 2; ++t) tick();
    }

  private:
    Context& context_;
    MemorySettingsStore settings_;
    NoKeys keys_;
    HeadlessHost host_;
    NoPrinter printer_;
    NoDesktop desktop_;
    NoClock clock_;
    NoSurfaces surfaces_;
    std::chrono::steady_clock::time_point next_;
    std::string shown_;

  public:
    HeadlessDialogs dialogs;
    MainWindow window;
};

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

int fail(Context& c, const std::optional<std::string>& text) {
    if (text && !text->empty()) c.err << *text << '\n';
    return kFailure;
}

// Opens FILE as the Open command does; false when it could not be used.
bool openFile(HeadlessWindow& h, const std::string& file) {
    h.dialogs.path = file;
    h.window.clicked(h.window.controls().id("MenuOpen"));
    return h.window.fileName() == file;
}

int transferCommand(Context& c, const char* usage, const char* command) {
    std::optional<std::string> port = takePort(c.args);
    if (!port || c.args.size() != 1) {
        c.err << usage;
        return kUsage;
    }
    HeadlessWindow h(c, *port);
    if (!openFile(h, c.args[0])) return h.dialogs.reports > 0 ? kFileError : kFailure;
    h.window.clicked(h.window.controls().id(command));
    if (std::optional<std::string> failure = h.finishTransfer()) return fail(c, failure);
    if (std::string_view(command) == "MenuProgram") h.waitForSaving();
    return kSuccess;
}

void printLive(Context& c, const link::LiveValues& v) {
    c.out << "{\"rpm\":" << v.rpm << ",\"tps\":" << int{v.throttlePercent}
          << ",\"throttle_mv\":" << v.throttleMv << ",\"supply_mv\":" << v.supplyMv
          << ",\"advance1\":" << v.advance[0] << ",\"advance2\":" << v.advance[1]
          << ",\"max_advance1\":" << v.maxAdvance[0] << ",\"max_advance2\":" << v.maxAdvance[1]
          << ",\"servo_desired_mv\":" << v.servoDesiredMv
          << ",\"servo_measured_mv\":" << v.servoMeasuredMv
          << ",\"pickup1\":" << (v.pickupSignal[0] ? "true" : "false")
          << ",\"pickup2\":" << (v.pickupSignal[1] ? "true" : "false")
          << ",\"running\":" << (v.running ? "true" : "false") << ",\"power_out\":["
          << v.powerOut[0] << ',' << v.powerOut[1] << ',' << v.powerOut[2] << "],\"inputs\":["
          << v.inputGrounded[0] << ',' << v.inputGrounded[1] << "],\"errors\":" << int{v.errorBits}
          << ",\"saving\":" << v.savingCountdown << ",\"program_count\":" << v.programCount
          << ",\"protocol\":" << int{v.protocolVersion} << "}" << std::endl;
}

}  // namespace

int programCommand(Context& c) {
    return transferCommand(c, "usage: tz_arko5-cli program --port DEV FILE.ign\n", "MenuProgram");
}

int verifyCommand(Context& c) {
    return transferCommand(c, "usage: tz_arko5-cli verify --port DEV FILE.ign\n", "MenuVerify");
}

int readCommand(Context& c) {
    std::optional<std::string> port = takePort(c.args);
    if (!port || c.args.size() != 1) {
        c.err << "usage: tz_arko5-cli read --port DEV OUT.ign\n";
        return kUsage;
    }
    HeadlessWindow h(c, *port);
    h.window.clicked(h.window.controls().id("MenuRead"));
    if (std::optional<std::string> failure = h.finishTransfer()) return fail(c, failure);
    h.dialogs.path = c.args[0];
    h.window.clicked(h.window.controls().id("MenuSave"));
    return h.window.fileName() == c.args[0] ? kSuccess : kFileError;
}

int monitorCommand(Context& c) {
    std::optional<std::string> port = takePort(c.args);
    long count = -1;
    if (c.args.size() == 2 && c.args[0] == "--count") {
        count = std::strtol(c.args[1].c_str(), nullptr, 10);
        c.args.clear();
    }
    if (!port || !c.args.empty() || count == 0) {
        c.err << "usage: tz_arko5-cli monitor --port DEV [--count N]\n";
        return kUsage;
    }
    HeadlessWindow h(c, *port);
    std::uint64_t seen = 0;
    while (count < 0 || static_cast<long>(seen) < count) {
        h.tick();
        const std::uint64_t frames = h.window.link().monitorFrames();
        if (frames == seen) continue;
        seen = frames;
        printLive(c, h.window.link().live());
    }
    return kSuccess;
}

}  // namespace tz::cli
