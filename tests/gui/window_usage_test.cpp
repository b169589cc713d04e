// The window's --help and --version answer on standard output with status 0,
// before Qt starts: they work where no display is.
#include <gtest/gtest.h>

#include <regex>

#include "program_run.h"

namespace tz {
namespace {

TEST(WindowUsage, InformationOptionsNeedNoDisplay) {
    const std::string withoutDisplay =
        std::string("env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY ") + TZ_WINDOW_PATH;
    const testing::TempDir dir;

    const testing::ProgramRun version = testing::runProgram(dir, withoutDisplay, "--version");
    EXPECT_EQ(version.exitCode, 0) << version.err;
    EXPECT_TRUE(std::regex_search(version.out, std::regex(testing::versionLinePattern("tz_arko5"))))
        << version.out;

    const testing::ProgramRun help = testing::runProgram(dir, withoutDisplay, "DEUTSCH --help");
    EXPECT_EQ(help.exitCode, 0) << help.err;
    EXPECT_TRUE(std::regex_search(help.out, std::regex("^usage: tz_arko5 "))) << help.out;
    EXPECT_EQ(help.err, "");
}

}  // namespace
}  // namespace tz
