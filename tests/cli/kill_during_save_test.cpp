// The program killed at random moments while it writes a file: the file is
// always the old or the new one, never a damaged mixture.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "platform/atomic_file.h"
#include "temp_dir.h"

namespace tz {
namespace {

TEST(KillDuringSave, OutputIsAlwaysTheOldOrTheNewFile) {
    testing::TempDir dir;
    const std::string data = TZ_PARAMS_DATA_DIR;
    const std::string inputs[2] = {data + "/defaults.ign", data + "/older_v76.ign"};
    const std::string out = dir.file("out.ign");

    // What a finished run writes for each input.
    std::string expected[2];
    for (int i = 0; i < 2; ++i) {
        const std::string command = std::string(TZ_CLI_PATH) + " normalize " + inputs[i] + " " +
                                    dir.file("ref.ign") + " 2>/dev/null";
        ASSERT_EQ(std::system(command.c_str()), 0);
        expected[i] = readWholeFile(dir.file("ref.ign")).value();
    }
    ASSERT_NE(expected[0], expected[1]);
    ASSERT_TRUE(writeFileAtomically(out, expected[0]));

    std::mt19937 random(11);
    int killed = 0;
    for (int round = 0; round < 300; ++round) {
        const std::string& input = inputs[round % 2];
        const pid_t child = ::fork();
        if (child == 0) {
            ::freopen("/dev/null", "w", stderr);
            ::execl(TZ_CLI_PATH, TZ_CLI_PATH, "normalize", input.c_str(), out.c_str(),
                    static_cast<char*>(nullptr));
            ::_exit(127);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 4000));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        killed += WIFSIGNALED(status) ? 1 : 0;
        const std::string now = readWholeFile(out).value_or("");
        ASSERT_TRUE(now == expected[0] || now == expected[1]) << "round " << round;
    }
    // Most runs must really have been cut short for the test to mean anything.
    EXPECT_GT(killed, 100);
    std::printf("killed %d of 300 runs while saving; the file was always whole\n", killed);
}

}  // namespace
}  // namespace tz
