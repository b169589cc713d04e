// The link cycle on the termios port against the simulated unit on a real
// pseudo-terminal, with the unit's pacing at 57600 baud and its faults.
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "link/link_cycle.h"
#include "link/posix_serial_port.h"
#include "link/system_serial_port.h"
#include "link_recorder.h"
#include "sim/options.h"
#include "sim/pty_device.h"
#include "sim/sim_loop.h"

namespace tz::link {
namespace {

using testing::LinkRecorder;
using testing::RecordedLink;

std::string temporaryLinkPath() {
    static int counter = 0;
    return (std::filesystem::temp_directory_path() /
            ("tz_link_test_" + std::to_string(::getpid()) + "_" + std::to_string(++counter)))
        .string();
}

// The simulator's loop on its own thread, for the life of the object.
class SimulatedUnit {
  public:
    explicit SimulatedUnit(const std::vector<std::string>& args) {
        std::string error;
        sim::SimOptions options = sim::ParseOptions(args, error);
        EXPECT_TRUE(error.empty()) << error;
        options.linkPath = path;
        loop_ = std::make_unique<sim::SimLoop>(std::move(options), nullptr);
        EXPECT_TRUE(loop_->start(error)) << error;
        thread_ = std::thread([this] { loop_->run(stop_); });
    }
    ~SimulatedUnit() {
        stop_ = true;
        thread_.join();
    }

    const std::string path = temporaryLinkPath();

  private:
    std::atomic<bool> stop_{false};
    std::unique_ptr<sim::SimLoop> loop_;
    std::thread thread_;
};

class EndToEnd : public ::testing::Test {
  protected:
    void startOn(const std::string& device) {
        cycle = std::make_unique<RecordedLink>(
            host, SystemSerialPortFactory(), [device] { return std::vector<std::string>{device}; });
        cycle->OpenPort();
    }

    // Ticks at the program's 55 ms until the condition holds; false after
    // maxTicks.
    template <typename Condition>
    bool tickUntil(Condition done, int maxTicks) {
        auto next = std::chrono::steady_clock::now();
        for (int i = 0; i < maxTicks; ++i) {
            cycle->tick();
            if (done()) return true;
            next += std::chrono::milliseconds(55);
            std::this_thread::sleep_until(next);
        }
        return false;
    }
    bool idle() const { return cycle->state() == LinkState::Idle; }
    bool connect() {
        return tickUntil([this] { return cycle->connected(); }, 40);
    }

    LinkRecorder host;
    std::unique_ptr<RecordedLink> cycle;
};

Image settingsToProgram() {
    ParamState s = firstStartState();
    s.image[advanceCell(4, 4)] = 31;
    s.image[field::LIMITER_RPM] = 97;
    s.image[field::TEST_SERVO] = 20;
    s.normalise();
    return s.image;
}

TEST_F(EndToEnd, ProgramVerifyAndReadBack) {
    // A saving time of many ticks, so that a loaded machine still sees it.
    SimulatedUnit unit({"--saving-ms", "1500", "--name", "Bench unit"});
    startOn(unit.path);
    ASSERT_TRUE(connect());

    const Image programmed = settingsToProgram();
    host.params().image = programmed;
    cycle->Program();
    ASSERT_TRUE(tickUntil([this] { return idle(); }, 60));
    EXPECT_EQ(host.line, "Program device:: OK");
    ASSERT_TRUE(tickUntil([this] { return host.line == "Saving:"; }, 40));
    ASSERT_TRUE(tickUntil([this] { return host.line == "Program device:: OK"; }, 120));
    EXPECT_EQ(host.progressPosition, 3);

    cycle->Verify();
    ASSERT_TRUE(tickUntil([this] { return idle(); }, 60));
    EXPECT_EQ(host.line, "Program device:: OK");  // the success text still stands

    host.params().image = firstStartState().image;
    cycle->Read();
    ASSERT_TRUE(tickUntil([this] { return idle(); }, 60));
    EXPECT_EQ(host.line, "Verify:: OK");
    EXPECT_EQ(host.params().image, programmed);
    EXPECT_EQ(cycle->unitInfo().name, "Bench unit");
    EXPECT_TRUE(host.boxes.empty());
}

struct FaultCase {
    std::vector<std::string> options;
    const char* result;
};

class InjectedFaults : public EndToEnd, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(InjectedFaults, ProgrammingEndsAsTheUnitAllows) {
    std::vector<std::string> options = {"--saving-ms", "0"};
    options.insert(options.end(), GetParam().options.begin(), GetParam().options.end());
    SimulatedUnit unit(options);
    startOn(unit.path);
    tickUntil([this] { return cycle->connected(); }, 40);
    host.params().image = settingsToProgram();
    cycle->Program();
    ASSERT_TRUE(tickUntil([this] { return idle(); }, 150));
    EXPECT_EQ(host.line, GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(Sim, InjectedFaults,
                         ::testing::Values(FaultCase{{"--drop", "10"}, "Program device:: OK"},
                                           FaultCase{{"--corrupt", "10"}, "Program device:: OK"},
                                           FaultCase{{"--delay", "10:300"}, "Program device:: OK"},
                                           FaultCase{{"--garbage", "10"}, "Program device:: OK"},
                                           FaultCase{{"--split", "30"}, "Program device:: OK"},
                                           FaultCase{{"--wrong-echo", "2"}, "Program error!"},
                                           FaultCase{{"--silent"}, "Program error!"}),
                         [](const auto& test) {
                             std::string name = test.param.options[0].substr(2);
                             std::erase(name, '-');
                             return name;
                         });

TEST_F(EndToEnd, TheBannerComesWhenTheUnitGoesAwayAndGoesWhenItComesBack) {
    SimulatedUnit unit({"--away", "2000:1500"});
    startOn(unit.path);
    ASSERT_TRUE(connect());
    ASSERT_TRUE(tickUntil([this] { return !cycle->portOpen(); }, 60));
    ASSERT_TRUE(tickUntil([this] { return host.banner; }, 25));
    ASSERT_TRUE(tickUntil([this] { return !host.banner; }, 120));
    EXPECT_TRUE(cycle->portOpen());
}

TEST(PosixSerialPort, OpensTerminalsOnlyAndOnlyOnce) {
    sim::PtyDevice pty;
    std::string error;
    ASSERT_TRUE(pty.open("", error)) << error;
    PosixSerialPort first;
    PosixSerialPort second;
    EXPECT_TRUE(first.open(pty.devicePath()));
    EXPECT_FALSE(second.open(pty.devicePath()));
    EXPECT_FALSE(second.open("/dev/null"));
    EXPECT_FALSE(second.open("/nonexistent/tty"));

    const Frame poll = BuildPollFrame({0, 0, 0});
    EXPECT_TRUE(first.write(poll));
    std::uint8_t got[200];
    EXPECT_EQ(::read(pty.fd(), got, sizeof got), kFrameSize);
    ASSERT_EQ(::write(pty.fd(), poll.data(), 50), 50);
    EXPECT_EQ(first.bytesWaiting(), 50u);
    EXPECT_FALSE(first.deviceGone());

    first.close();
    ASSERT_TRUE(second.open(pty.devicePath()));
    pty.close();
    second.bytesWaiting();
    EXPECT_TRUE(second.deviceGone());
}

}  // namespace
}  // namespace tz::link
