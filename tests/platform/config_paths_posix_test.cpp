// Where the program keeps its files on POSIX systems.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "platform/config_paths.h"
#include "platform/restore_points.h"
#include "scoped_env.h"

namespace tz {
namespace {

using testing::ScopedEnv;

TEST(RestorePointDirectory, FollowsTheDataHome) {
    const ScopedEnv home("HOME", "/home/rider");
    const std::pair<const char*, std::string> cases[] = {
        {"/data", "/data/tz_arko5/restore-points"},
        {nullptr, "/home/rider/.local/share/tz_arko5/restore-points"},
        {"relative/data", "/home/rider/.local/share/tz_arko5/restore-points"},
        {"", "/home/rider/.local/share/tz_arko5/restore-points"},
    };
    for (const auto& [dataHome, expected] : cases) {
        const ScopedEnv xdg("XDG_DATA_HOME", dataHome);
        EXPECT_EQ(restorePointDirectory(), expected) << (dataHome ? dataHome : "unset");
    }
}

}  // namespace
}  // namespace tz
