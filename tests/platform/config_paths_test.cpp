#include "platform/config_paths.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "scoped_env.h"
#include "temp_dir.h"

namespace tz {
namespace {

namespace fs = std::filesystem;

fs::perms permissionsOf(const std::string& path) {
    return fs::status(path).permissions() & fs::perms::all;
}

TEST(MakeDirectories, MakesEveryMissingFolderForTheUserAloneAndKeepsExistingOnes) {
    testing::TempDir dir;
    fs::permissions(dir.path(),
                    fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
    const std::string deep = dir.file("a/b/c");
    EXPECT_EQ(makeDirectories(deep), std::nullopt);
    for (const std::string& made : {dir.file("a"), dir.file("a/b"), deep}) {
        EXPECT_TRUE(fs::is_directory(made)) << made;
        EXPECT_EQ(permissionsOf(made), fs::perms::owner_all) << made;
    }
    EXPECT_EQ(permissionsOf(dir.path()),
              fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
    EXPECT_EQ(makeDirectories(deep), std::nullopt) << "already there";
}

TEST(MakeDirectories, NamesTheFolderThatCouldNotBeMade) {
    testing::TempDir dir;
    std::ofstream(dir.file("file")) << "x";
    EXPECT_EQ(makeDirectories(dir.file("file/sub")), dir.file("file"));
    EXPECT_EQ(makeDirectories(dir.file("file")), dir.file("file")) << "a file is no folder";
    if (::geteuid() != 0) {  // the superuser writes anywhere
        fs::create_directory(dir.file("locked"));
        fs::permissions(dir.file("locked"), fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_EQ(makeDirectories(dir.file("locked/x/y")), dir.file("locked/x"));
        fs::permissions(dir.file("locked"), fs::perms::owner_all);
    }
}

TEST(EnsureConfigDirectory, MakesAMissingConfigHome) {
    testing::TempDir dir;
    testing::ScopedEnv home{"XDG_CONFIG_HOME", dir.file("new/config").c_str()};
    EXPECT_EQ(ensureConfigDirectory(), std::nullopt);
    EXPECT_TRUE(fs::is_directory(dir.file("new/config/tz_arko5")));
    EXPECT_EQ(permissionsOf(dir.file("new/config")), fs::perms::owner_all);
}

}  // namespace
}  // namespace tz
