#include "platform/atomic_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "temp_dir.h"

namespace tz {
namespace {

TEST(AtomicFile, ReplacesTheWholeFileAndLeavesNoTemporaryFile) {
    testing::TempDir dir;
    const std::string path = dir.file("a.ign");
    ASSERT_TRUE(writeFileAtomically(path, "old content that is longer"));
    ASSERT_TRUE(writeFileAtomically(path, "new"));
    EXPECT_EQ(readWholeFile(path), "new");
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++files;
    EXPECT_EQ(files, 1);
}

TEST(AtomicFile, KeepsEveryByteAsItIs) {
    // No line-end translation on any system: .ign files keep their CR LF.
    testing::TempDir dir;
    const std::string content("KORVANEX_KEY 91\r\nA\nB\r\r\n\0\xff\x1a end", 30);
    ASSERT_TRUE(writeFileAtomically(dir.file("a.ign"), content));
    EXPECT_EQ(readWholeFile(dir.file("a.ign")), content);
    EXPECT_EQ(std::filesystem::file_size(dir.file("a.ign")), content.size());
}

TEST(AtomicFile, FailureLeavesTheTargetAndNoTemporaryFile) {
    testing::TempDir dir;
    // A non-empty directory in the way makes the final rename fail, also for root.
    const std::string path = dir.file("a.ign");
    std::filesystem::create_directory(path);
    ASSERT_TRUE(writeFileAtomically(path + "/keep", "old"));
    EXPECT_FALSE(writeFileAtomically(path, "new"));
    EXPECT_EQ(readWholeFile(path + "/keep"), "old");
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path()))
        ++entries;
    EXPECT_EQ(entries, 1);
}

TEST(AtomicFile, ReportsMissingDirectoriesAndFiles) {
    testing::TempDir dir;
    EXPECT_FALSE(writeFileAtomically(dir.file("missing/a.ign"), "x"));
    EXPECT_FALSE(readWholeFile(dir.file("missing.ign")).has_value());
}

TEST(AtomicFile, ReadIsBounded) {
    testing::TempDir dir;
    const std::string path = dir.file("big");
    ASSERT_TRUE(writeFileAtomically(path, std::string(1000, 'x')));
    EXPECT_EQ(readWholeFile(path, 10)->size(), 10u);
}

}  // namespace
}  // namespace tz
