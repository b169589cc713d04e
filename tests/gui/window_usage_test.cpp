// The window's --help and --version answer on standard output with status 0,
// before Qt starts: they work where no display is.
#include <gtest/gtest.h>

#include "program_run.h"

namespace tz {
namespace {

TEST(WindowUsage, InformationOptionsNeedNoDisplay) {
    testing::expectRuns(
        std::string("env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY ") + TZ_WINDOW_PATH,
        {
            {"--version", 0, testing::versionLinePattern("tz_arko5"), "^$"},
            {"DEUTSCH --help", 0, "^usage: tz_arko5 ", "^$"},
        });
}

}  // namespace
}  // namespace tz
