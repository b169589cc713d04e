#include "platform/config_paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "temp_dir.h"

namespace tz {
namespace {

namespace fs = std::filesystem;

TEST(MakeDirectories, MakesEveryMissingFolderAndKeepsExistingOnes) {
    testing::TempDir dir;
    const std::string deep = dir.file("a/b/c");
    EXPECT_EQ(makeDirectories(deep), std::nullopt);
    for (const std::string& made : {dir.file("a"), dir.file("a/b"), deep})
        EXPECT_TRUE(fs::is_directory(pathFromUtf8(made))) << made;
    EXPECT_EQ(makeDirectories(deep), std::nullopt) << "already there";
}

TEST(MakeDirectories, NamesTheFolderThatCouldNotBeMade) {
    testing::TempDir dir;
    std::ofstream(pathFromUtf8(dir.file("file"))) << "x";
    EXPECT_EQ(makeDirectories(dir.file("file/sub")), dir.file("file"));
    EXPECT_EQ(makeDirectories(dir.file("file")), dir.file("file")) << "a file is no folder";
}

}  // namespace
}  // namespace tz
