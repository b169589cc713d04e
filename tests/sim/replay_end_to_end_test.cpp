// tz_arko5-sim --replay as a process on its pseudo-terminal, polled over the
// termios port as the program does.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "link/monitor.h"
#include "link/posix_serial_port.h"
#include "params/param_state.h"
#include "simulator_process.h"
#include "temp_dir.h"

namespace tz::sim {
namespace {

using Clock = std::chrono::steady_clock;

class ReplayProcess : public ::testing::Test {
  protected:
    std::string writeLog(const std::string& text) {
        const std::string path = dir.file("ride.csv");
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    // Polls the unit and returns the rpm of its answer; nothing when no
    // answer arrives within a second.
    std::optional<int> pollRpm(link::SerialPort& port) {
        const link::Frame poll = link::BuildPollFrame({0, 0, 0});
        if (!port.write(poll)) return std::nullopt;
        link::Frame reply{};
        std::size_t have = 0;
        const auto deadline = Clock::now() + std::chrono::seconds(1);
        while (have < reply.size() && Clock::now() < deadline) {
            have += port.read(std::span(reply).subspan(have));
            if (have < reply.size()) std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        if (have < reply.size()) return std::nullopt;
        const auto decoded = link::DecodeMonitorFrame(reply);
        if (!decoded) return std::nullopt;
        return decoded->rpm;
    }

    tz::testing::TempDir dir;
    const std::string device = dir.file("unit");
};

TEST_F(ReplayProcess, FramesFollowTheLogAndStartOverWhenLooping) {
    const std::string log = writeLog(
        "time_s,rpm,tps\n"
        "0.000,1500,10\n"
        "1.000,2500,20\n"
        "1.500,3500,30\n");
    tz::testing::Simulator unit(TZ_SIM_PATH, device, {"--baud", "0", "--replay", log, "--loop"});
    link::PosixSerialPort port;
    ASSERT_TRUE(port.open(device));

    // Until the last row has shown and the first one has come back.
    std::vector<int> seen;
    const auto deadline = Clock::now() + std::chrono::seconds(20);
    bool lastRowSeen = false;
    while (Clock::now() < deadline) {
        const std::optional<int> rpm = pollRpm(port);
        ASSERT_TRUE(rpm);
        if (seen.empty() || seen.back() != *rpm) seen.push_back(*rpm);
        lastRowSeen = lastRowSeen || *rpm == 3500;
        if (lastRowSeen && *rpm == 1500) break;
    }
    ASSERT_GE(seen.size(), 2u);
    EXPECT_EQ(seen.back(), 1500);
    EXPECT_EQ(seen[seen.size() - 2], 3500);
    // Within one pass the rows come in their order.
    for (std::size_t i = 1; i + 1 < seen.size(); ++i) EXPECT_GT(seen[i], seen[i - 1]);
}

TEST_F(ReplayProcess, ARowThatCannotBeReadStopsTheSimulatorBeforeItOpensADevice) {
    const std::string log = writeLog("time_s,rpm\n0.000,1500\n0.100,lots\n");
    const std::string output = dir.file("output");
    const std::string command = std::string(TZ_SIM_PATH) + " --link " + device + " --replay " +
                                log + " >" + output + " 2>&1";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_NE(WEXITSTATUS(status), 0);
    std::ifstream in(output);
    std::string firstLine;
    std::getline(in, firstLine);
    EXPECT_EQ(firstLine, "tz_arko5-sim: " + log + ": line 3: rpm: not a number");
    EXPECT_FALSE(std::filesystem::exists(device));
}

}  // namespace
}  // namespace tz::sim
