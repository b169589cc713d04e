#include "platform/save_temporaries.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "platform/atomic_file.h"
#include "system.h"
#include "temp_dir.h"

namespace tz {
namespace {

namespace fs = std::filesystem;

std::set<std::string> entries(const std::string& dir) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.insert(e.path().filename().string());
    return names;
}

TEST(SaveTemporaries, OnlyTheProgramsOwnNamesOfThatFileCount) {
    struct Case {
        const char* entry;
        bool temporary;
    };
    const Case cases[] = {
        {".data.ign.tz_arko5-save-Ab3xZ9", true},
        {".data.ign.tz_arko5-save-000000", true},
        {"data.ign.backup", false},                  // the user's own copy
        {"data.ign.Ab3xZ9", false},                  // looks random, but is no name of ours
        {".data.ign.tz_arko5-save-Ab3xZ", false},    // too short
        {".data.ign.tz_arko5-save-Ab3xZ99", false},  // too long
        {".data.ign.tz_arko5-save-Ab3-Z9", false},
        {".data.ignx.tz_arko5-save-Ab3xZ9", false},  // another file's
        {".other.ign.tz_arko5-save-Ab3xZ9", false},
        {"data.ign", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isSaveTemporaryOf(c.entry, "data.ign"), c.temporary) << c.entry;
    EXPECT_TRUE(isSaveTemporaryOf(".a.tz_arko5-save-XXXXXX", "a"));
    EXPECT_FALSE(isSaveTemporaryOf(".tz_arko5-save-Ab3xZ9", ""));
    // Compared as paths: Windows joins with its own separator.
    EXPECT_EQ(fs::path(saveTemporaryTemplate("/x/y/data.ign")),
              fs::path("/x/y/.data.ign.tz_arko5-save-XXXXXX"));
    EXPECT_EQ(fs::path(saveTemporaryTemplate("data.ign")),
              fs::path("./.data.ign.tz_arko5-save-XXXXXX"));
}

// A directory after saves of data.ign were killed, with files that must stay.
class Leftovers : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name :
             {".data.ign.tz_arko5-save-Ab3xZ9", ".data.ign.tz_arko5-save-q1w2e3", "data.ign.backup",
              "data.ign.Ab3xZ9", ".other.ign.tz_arko5-save-Ab3xZ9", "precious"})
            ASSERT_TRUE(writeFileAtomically(dir.file(name), "partial"));
        fs::create_directory(dir.file(".data.ign.tz_arko5-save-D1r3ct"));
        // A link where the system's C++ library makes them (not MinGW's).
        std::error_code noLinks;
        fs::create_symlink(dir.file("precious"), dir.file(".data.ign.tz_arko5-save-L1nk00"),
                           noLinks);
        if (!noLinks) kept.insert(".data.ign.tz_arko5-save-L1nk00");
    }

    // What must be left besides data.ign itself.
    std::set<std::string> kept = {"data.ign.backup", "data.ign.Ab3xZ9",
                                  ".other.ign.tz_arko5-save-Ab3xZ9", "precious",
                                  ".data.ign.tz_arko5-save-D1r3ct"};
    testing::TempDir dir;
};

TEST_F(Leftovers, TheNextSaveOfTheFileRemovesItsOwnOnly) {
    ASSERT_TRUE(writeFileAtomically(dir.file("data.ign"), "new"));
    std::set<std::string> expected = kept;
    expected.insert("data.ign");
    EXPECT_EQ(entries(dir.path()), expected);
    EXPECT_EQ(readWholeFile(dir.file("precious")), "partial");
}

TEST_F(Leftovers, StartUpRemovesThemWithoutSaving) {
    EXPECT_EQ(removeLeftoverTemporaries(dir.file("data.ign")), 2u);
    EXPECT_EQ(entries(dir.path()), kept);
    EXPECT_EQ(removeLeftoverTemporaries(dir.file("data.ign")), 0u);
}

TEST_F(Leftovers, ATemporaryOfASaveInProgressStays) {
    // Another instance of the program is writing this one.
    const std::string busy = dir.file(".data.ign.tz_arko5-save-Ab3xZ9");
    {
        const testing::RunningSaveHold save(busy);
        ASSERT_TRUE(save.held());
        EXPECT_EQ(removeLeftoverTemporaries(dir.file("data.ign")), 1u);
        EXPECT_TRUE(fs::exists(busy));
    }
    EXPECT_EQ(removeLeftoverTemporaries(dir.file("data.ign")), 1u);
    EXPECT_FALSE(fs::exists(busy));
}

}  // namespace
}  // namespace tz
