// tz_arko5-sim: a simulated ignition unit on a pseudo-terminal, for trying
// the program and the command-line tool without hardware.
#include <csignal>
#include <cstdio>
#include <cstring>

#include "platform/build_version.h"
#include "sim/options.h"
#include "sim/sim_loop.h"

namespace {

std::atomic<bool> stopRequested{false};

void requestStop(int) {
    stopRequested = true;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    for (const std::string& a : args) {
        if (a == "--help" || a == "-h") {
            std::fputs(tz::sim::UsageText().c_str(), stdout);
            return 0;
        }
        if (a == "--version") {
            std::printf("%s\n", tz::versionLine("tz_arko5-sim").c_str());
            return 0;
        }
    }
    std::string error;
    tz::sim::SimOptions options = tz::sim::ParseOptions(args, error);
    if (!error.empty()) {
        std::fprintf(stderr, "tz_arko5-sim: %s\n%s", error.c_str(), tz::sim::UsageText().c_str());
        return 2;
    }

    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    tz::sim::SimLoop loop(std::move(options), stdout);
    if (!loop.start(error)) {
        std::fprintf(stderr, "tz_arko5-sim: %s\n", error.c_str());
        return 1;
    }
    loop.run(stopRequested);
    return 0;
}
