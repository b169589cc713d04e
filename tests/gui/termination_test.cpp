// The program closes cleanly, saving its state, when the system asks it to
// end with SIGTERM, and a run for a picture ends instead of waiting for an
// answer nobody gives.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "link/device_lock.h"
#include "params/saved_image.h"
#include "platform/atomic_file.h"
#include "quiet_device.h"
#include "temp_dir.h"

namespace tz {
namespace {

TEST(Termination, SigtermClosesTheWindowAndSavesTheSettings) {
    testing::TempDir dir;
    testing::QuietDevice device;
    const std::string config = dir.file("config");
    std::filesystem::create_directories(config + "/tz_arko5");
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        ::freopen("/dev/null", "w", stderr);
        ::dup2(ready[1], STDOUT_FILENO);
        ::close(ready[0]);
        ::execl(TZ_WINDOW_PATH, TZ_WINDOW_PATH, "CESKY", "--port", device.path().c_str(),
                "--notify-ready", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(ready[1]);
    // The program says when its window is up and it answers to signals.
    std::string said;
    char c = 0;
    while (said.find("ready\n") == std::string::npos && ::read(ready[0], &c, 1) == 1) said += c;
    ::close(ready[0]);
    ASSERT_NE(said.find("ready\n"), std::string::npos) << said;
    ASSERT_EQ(::kill(child, SIGTERM), 0);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status)) << "ended by a signal instead of closing";
    EXPECT_EQ(WEXITSTATUS(status), 0);

    const std::string settings = readWholeFile(config + "/tz_arko5/TZ_ARKO5_v91.ini").value_or("");
    EXPECT_NE(settings.find("Language=3\n"), std::string::npos) << settings;
    Image saved{};
    EXPECT_EQ(
        parseSavedImage(readWholeFile(config + "/tz_arko5/_TZ_ARKO5_v91.ini").value_or(""), saved),
        300);
}

TEST(Termination, AScreenshotRunEndsWithTheMessageABoxWouldShow) {
    testing::TempDir dir;
    testing::QuietDevice device;
    link::OpenFailure failure = link::OpenFailure::None;
    const int held = link::openLockedDevice(device.path(), failure);
    ASSERT_GE(held, 0);
    const std::string config = dir.file("config");
    std::filesystem::create_directories(config + "/tz_arko5");
    // A hang is ended after two minutes (exit status 124).
    const std::string command = "XDG_CONFIG_HOME=" + config +
                                " QT_QPA_PLATFORM=offscreen timeout 120 " + TZ_WINDOW_PATH +
                                " --port " + device.path() + " --screenshot " +
                                dir.file("shot.png") + " >/dev/null 2>" + dir.file("err");
    const int status = std::system(command.c_str());
    ::close(held);
    EXPECT_EQ(WEXITSTATUS(status), 1);
    const std::string err = readWholeFile(dir.file("err")).value_or("");
    EXPECT_NE(err.find("The port is in use by another program: " + device.path()),
              std::string::npos)
        << err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("shot.png")));
}

}  // namespace
}  // namespace tz
