// Where the program keeps its files on POSIX systems.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <utility>

#include "platform/config_paths.h"
#include "platform/restore_points.h"
#include "scoped_env.h"
#include "temp_dir.h"

namespace tz {
namespace {

namespace fs = std::filesystem;
using testing::ScopedEnv;

fs::perms permissionsOf(const std::string& path) {
    return fs::status(path).permissions() & fs::perms::all;
}

TEST(MakeDirectories, MakesMissingFoldersForTheUserAlone) {
    testing::TempDir dir;
    fs::permissions(dir.path(),
                    fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
    EXPECT_EQ(makeDirectories(dir.file("a/b")), std::nullopt);
    EXPECT_EQ(permissionsOf(dir.file("a")), fs::perms::owner_all);
    EXPECT_EQ(permissionsOf(dir.file("a/b")), fs::perms::owner_all);
    EXPECT_EQ(permissionsOf(dir.path()),
              fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
}

TEST(MakeDirectories, NamesTheFolderItMayNotWriteIn) {
    testing::TempDir dir;
    if (::geteuid() != 0) {  // the superuser writes anywhere
        fs::create_directory(dir.file("locked"));
        fs::permissions(dir.file("locked"), fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_EQ(makeDirectories(dir.file("locked/x/y")), dir.file("locked/x"));
        fs::permissions(dir.file("locked"), fs::perms::owner_all);
    }
}

TEST(EnsureConfigDirectory, MakesAMissingConfigHome) {
    testing::TempDir dir;
    const ScopedEnv home{"XDG_CONFIG_HOME", dir.file("new/config").c_str()};
    EXPECT_EQ(ensureConfigDirectory(), std::nullopt);
    EXPECT_TRUE(fs::is_directory(dir.file("new/config/tz_arko5")));
    EXPECT_EQ(permissionsOf(dir.file("new/config")), fs::perms::owner_all);
}

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
