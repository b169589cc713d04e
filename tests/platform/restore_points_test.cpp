#include "platform/restore_points.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/atomic_file.h"
#include "platform/utf8_path.h"
#include "scoped_env.h"
#include "temp_dir.h"

namespace tz {
namespace {

namespace fs = std::filesystem;

constexpr DateTime kNoon{2024, 3, 9, 12, 0, 5};

DateTime at(int second) {
    DateTime t = kNoon;
    t.second = second;
    return t;
}

TEST(RestorePointNames, UnitNamesAreMadeSafeForFiles) {
    const std::pair<std::string, std::string> cases[] = {
        {"ABC12", "ABC12"},
        {"Race-2_b", "Race-2_b"},
        {"  My unit/2.1  ", "My_unit_2_1"},
        {"../..", "_____"},
        {"\xC3\x9C"
         "ber",
         "__ber"},
        {"", "unknown"},
        {"   ", "unknown"},
        {std::string(40, 'x'), std::string(30, 'x')},
    };
    for (const auto& [unit, safe] : cases) EXPECT_EQ(unitNameForFiles(unit), safe) << unit;
}

TEST(RestorePointNames, NamesReadBackToTheirPoints) {
    struct Case {
        RestorePoint point;
        const char* name;
    };
    const Case cases[] = {
        {{{2024, 3, 9, 7, 5, 1}, 1, RestoreOperation::Read, "ABC12", ""},
         "20240309-070501-read-ABC12.ign"},
        {{{2024, 12, 31, 23, 59, 59}, 1, RestoreOperation::Program, "A-B_c", ""},
         "20241231-235959-program-A-B_c.ign"},
        {{{987, 1, 2, 0, 0, 0}, 1, RestoreOperation::BeforeProgram, "read", ""},
         "09870102-000000-before-program-read.ign"},
        {{{2024, 3, 9, 7, 5, 1}, 12, RestoreOperation::Read, "7-program", ""},
         "20240309-070501-12-read-7-program.ign"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(restorePointFileName(c.point), c.name);
        const std::optional<RestorePoint> back = parseRestorePointFileName(c.name);
        ASSERT_TRUE(back) << c.name;
        EXPECT_EQ(back->time, c.point.time) << c.name;
        EXPECT_EQ(back->sequence, c.point.sequence) << c.name;
        EXPECT_EQ(back->operation, c.point.operation) << c.name;
        EXPECT_EQ(back->unit, c.point.unit) << c.name;
    }
}

TEST(RestorePointNames, OtherFilesAreNoRestorePoints) {
    for (const char* name : {
             "20240309-070501-read-ABC12.ign.Ab12Cd",  // a temporary file of a write
             "20240309-070501-read-ABC12.txt",
             "20240309-070501-read-.ign",
             "20240309-070501-write-ABC12.ign",
             "20240309-070501-readABC12.ign",
             "20240309-070501-1-read-ABC12.ign",   // the first of a second has no number
             "20240309-070501-02-read-ABC12.ign",  // nor leading zeros
             "20241309-070501-read-ABC12.ign",
             "20240300-070501-read-ABC12.ign",
             "20240309-240501-read-ABC12.ign",
             "2024039-070501-read-ABC12.ign",
             "20240309_070501-read-ABC12.ign",
             "20240309-070501-read-My unit.ign",
             "20240309-070501-read-0123456789012345678901234567890.ign",
             "",
         })
        EXPECT_FALSE(parseRestorePointFileName(name)) << name;
}

class RestorePointsTest : public ::testing::Test {
  protected:
    std::vector<std::string> files() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(directory))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    static std::vector<std::string> names(const std::vector<RestorePoint>& points) {
        std::vector<std::string> out;
        for (const RestorePoint& p : points) out.push_back(fs::path(p.path).filename().string());
        return out;
    }

    testing::TempDir temp;
    // Not there yet: the first point creates it.
    const std::string directory = temp.file("share/tz_arko5/restore-points");
};

TEST_F(RestorePointsTest, AddWritesTheTextUnderItsNameAndListsIt) {
    const RestorePoints points(directory);
    const std::optional<std::string> path =
        points.add(kNoon, RestoreOperation::Read, "ABC12", "KORVANEX_KEY 91\n");
    ASSERT_EQ(path, joinPath(directory, "20240309-120005-read-ABC12.ign"));
    EXPECT_EQ(readWholeFile(*path), "KORVANEX_KEY 91\n");
    EXPECT_EQ(files(), std::vector<std::string>{"20240309-120005-read-ABC12.ign"});

    const std::vector<RestorePoint> listed = points.list();
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].time, kNoon);
    EXPECT_EQ(listed[0].operation, RestoreOperation::Read);
    EXPECT_EQ(listed[0].unit, "ABC12");
    EXPECT_EQ(listed[0].path, *path);
}

TEST_F(RestorePointsTest, PointsOfOneSecondAreAllKeptInTheirOrder) {
    const RestorePoints points(directory);
    ASSERT_TRUE(points.add(kNoon, RestoreOperation::BeforeProgram, "ABC12", "before"));
    ASSERT_TRUE(points.add(kNoon, RestoreOperation::Program, "ABC12", "program"));
    ASSERT_TRUE(points.add(kNoon, RestoreOperation::Program, "ABC12", "again"));
    ASSERT_TRUE(points.add(at(4), RestoreOperation::Read, "ABC12", "earlier"));

    const std::vector<RestorePoint> listed = points.list();
    EXPECT_EQ(names(listed), (std::vector<std::string>{
                                 "20240309-120005-3-program-ABC12.ign",
                                 "20240309-120005-2-program-ABC12.ign",
                                 "20240309-120005-before-program-ABC12.ign",
                                 "20240309-120004-read-ABC12.ign",
                             }));
    EXPECT_EQ(readWholeFile(listed[0].path), "again");
    EXPECT_EQ(readWholeFile(listed[1].path), "program");
    EXPECT_EQ(readWholeFile(listed[2].path), "before");
}

TEST_F(RestorePointsTest, OnlyTheNewestAreKeptAndOtherFilesAreLeftAlone) {
    fs::create_directories(directory + "/20000101-000000-read-dir.ign");
    for (const char* foreign :
         {"notes.txt", "20000101-000000-write-X.ign", "20000101-000000-read-X.ign.Ab12Cd"})
        ASSERT_TRUE(writeFileAtomically(directory + "/" + foreign, "mine"));

    const RestorePoints points(directory, 3);
    for (int second : {3, 1, 5, 2, 4})
        ASSERT_TRUE(points.add(at(second), RestoreOperation::Read, "U", "x"));

    EXPECT_EQ(names(points.list()), (std::vector<std::string>{
                                        "20240309-120005-read-U.ign",
                                        "20240309-120004-read-U.ign",
                                        "20240309-120003-read-U.ign",
                                    }));
    EXPECT_EQ(files().size(), 3u + 4u);
}

// Points dated later than the clock (it was set wrong once) never cost the
// point just written its place.
TEST_F(RestorePointsTest, TheNewPointStaysWhenOthersAreDatedLater) {
    const RestorePoints points(directory, 3);
    for (int second : {5, 4, 3})
        ASSERT_TRUE(points.add(at(second), RestoreOperation::Read, "U", "x"));
    const std::optional<std::string> path =
        points.add(at(1), RestoreOperation::Program, "U", "new");
    ASSERT_TRUE(path);
    EXPECT_EQ(readWholeFile(*path), "new");
    EXPECT_EQ(names(points.list()), (std::vector<std::string>{
                                        "20240309-120005-read-U.ign",
                                        "20240309-120004-read-U.ign",
                                        "20240309-120001-program-U.ign",
                                    }));
}

TEST_F(RestorePointsTest, NothingIsWrittenWhereItCannotBe) {
    ASSERT_TRUE(writeFileAtomically(temp.file("share"), "a file in the way"));
    EXPECT_FALSE(RestorePoints(directory).add(kNoon, RestoreOperation::Read, "U", "x"));
    EXPECT_FALSE(fs::exists(directory));

    const RestorePoints points(temp.file("points"));
    DateTime badMonth = kNoon;
    badMonth.month = 13;
    EXPECT_FALSE(points.add(badMonth, RestoreOperation::Read, "U", "x"));
    EXPECT_TRUE(points.list().empty());

    // No sequence beyond what a name can hold.
    fs::create_directories(temp.file("points"));
    ASSERT_TRUE(writeFileAtomically(temp.file("points/20240309-120005-999999999-read-U.ign"), "x"));
    EXPECT_FALSE(points.add(kNoon, RestoreOperation::Read, "U", "x"));
    EXPECT_EQ(points.list().size(), 1u);
}

using testing::ScopedEnv;

TEST(RestorePointTime, IsTheLocalTimeOfTheClockReading) {
    {
        const ScopedEnv zone("TZ", "UTC");
        ::tzset();
        EXPECT_EQ(localDateTime(86400 + 3600 + 62), (DateTime{1970, 1, 2, 1, 1, 2}));
    }
    ::tzset();
}

}  // namespace
}  // namespace tz
