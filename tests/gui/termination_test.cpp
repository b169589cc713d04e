// The program closes cleanly, saving its state, when the system asks it to
// end with SIGTERM.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "platform/atomic_file.h"
#include "params/saved_image.h"
#include "quiet_device.h"
#include "temp_dir.h"

namespace tz {
namespace {

TEST(Termination, SigtermClosesTheWindowAndSavesTheSettings) {
    testing::TempDir dir;
    testing::QuietDevice device;
    const std::string config = dir.file("config");
    std::filesystem::create_directories(config + "/tz_arko5");
    const pid_t child = ::fork();
    if (child == 0) {
        ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        ::freopen("/dev/null", "w", stderr);
        ::execl(TZ_WINDOW_PATH, TZ_WINDOW_PATH, "CESKY", "--port", device.path().c_str(),
                static_cast<char*>(nullptr));
        ::_exit(127);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
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

}  // namespace
}  // namespace tz
