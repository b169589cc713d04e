// diff and restore-points of tz_arko5-cli, run as a user's script would.
#include <gtest/gtest.h>

#include <string>

#include "cli_runner.h"
#include "platform/atomic_file.h"
#include "platform/restore_points.h"
#include "platform/utf8_path.h"
#include "scoped_env.h"
#include "temp_dir.h"

namespace tz {
namespace {

using testing::CliRun;

class CliDiff : public testing::CliTest {
  protected:
    // The first point of A's RPM axis differs too: map cells are named by A's.
    const std::string a =
        write("a.ign", "KORVANEX_KEY 91\nLIMITER 100 120 6\nRPM_ADV 1500\nADVANCE 20\n");
    const std::string b = write("b.ign", "KORVANEX_KEY 91\nBASE_ADV 12\nADVANCE 21\n");
};

TEST_F(CliDiff, ListsEachDifferingValueInFileOrder) {
    const CliRun r = run("diff " + a + " " + b);
    EXPECT_EQ(r.exitCode, 1) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              "BASE_ADV\t1\tBase advance\t10\t12\n"
              "LIMITER\t2\tLimiter\t120\t110\n"
              "RPM_ADV\t1\tAdvance Map, rpm of column 1\t1500\t1000\n"
              "ADVANCE\t1\tAdvance Map, 1500 rpm, TPS 0 %\t20\t21\n");
}

TEST_F(CliDiff, JsonLinesInTheChosenLanguage) {
    const CliRun r = run("--lang DEUTSCH diff --json " + b + " " + a);
    EXPECT_EQ(r.exitCode, 1) << r.err;
    EXPECT_EQ(r.out,
              "{\"key\":\"BASE_ADV\",\"index\":1,\"name\":\"Grundvorzündung\",\"a\":12,\"b\":10}\n"
              "{\"key\":\"LIMITER\",\"index\":2,\"name\":\"Drehzahlbegrenzer\",\"a\":110,"
              "\"b\":120}\n"
              "{\"key\":\"RPM_ADV\",\"index\":1,\"name\":\"Vorzündung Karte, Drehzahl der Spalte "
              "1\",\"a\":1000,\"b\":1500}\n"
              "{\"key\":\"ADVANCE\",\"index\":1,\"name\":\"Vorzündung Karte, 1000 U/min, TPS 0 "
              "%\",\"a\":21,\"b\":20}\n");
}

TEST_F(CliDiff, AFileEqualsWhatNormalizeWritesForIt) {
    const std::string normalized = dir.file("normalized.ign");
    ASSERT_EQ(run("normalize " + a + " " + normalized).exitCode, 0);
    const CliRun r = run("diff " + a + " " + normalized + " --json");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "");
}

TEST_F(CliDiff, FilesThatCannotBeComparedAndWrongUsage) {
    const std::string noKey = write("nokey.ign", "LIMITER 100 120 6\n");
    const std::string older = std::string(TZ_PARAMS_DATA_DIR) + "/older_v76.ign";
    struct Case {
        std::string arguments;
        int exitCode;
        std::string err;
    };
    const Case cases[] = {
        {"diff " + a + " " + dir.file("missing.ign"), 2, "Open file error!\n"},
        {"--lang CESKY diff " + dir.file("missing.ign") + " " + a, 2,
         "Chyba při otevírání souboru!\n"},
        {"diff " + noKey + " " + a, 2, ""},
        {"diff " + older + " " + older, 0, "Older version of *.ign file!\n\n"},
        {"diff " + a, 64, "usage: tz_arko5-cli diff A.ign B.ign [--json]\n"},
        {"diff " + a + " " + b + " " + a, 64, "usage: tz_arko5-cli diff A.ign B.ign [--json]\n"},
        {"diff --port /dev/null " + a + " " + b, 64,
         "usage: tz_arko5-cli diff A.ign B.ign [--json]\n"},
    };
    for (const Case& c : cases) {
        const CliRun r = run(c.arguments);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.arguments;
        EXPECT_EQ(r.err.substr(0, c.err.size()), c.err) << c.arguments;
        EXPECT_EQ(r.out, "") << c.arguments;
    }
}

TEST_F(CliDiff, RestorePointsAreListedNewestFirst) {
    const testing::ScopedEnv dataHome(testing::kDataHomeVariable, dir.file("data").c_str());
    EXPECT_EQ(run("restore-points").out, "");

    const RestorePoints points(restorePointDirectory());
    ASSERT_TRUE(points.add({2024, 3, 9, 7, 5, 1}, RestoreOperation::Read, "ABC12", "x"));
    ASSERT_TRUE(points.add({2024, 3, 9, 7, 6, 0}, RestoreOperation::BeforeProgram, "ABC12", "x"));
    ASSERT_TRUE(points.add({2024, 3, 9, 7, 6, 0}, RestoreOperation::Program, "ABC12", "x"));

    // On Windows joined by its own separator.
    const std::string where =
        joinPath(joinPath(joinPath(dir.file("data"), "tz_arko5"), "restore-points"), "");
    const CliRun r = run("restore-points");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "2024-03-09 07:06:00\tprogram\tABC12\t" + where +
                         "20240309-070600-2-program-ABC12.ign\n"
                         "2024-03-09 07:06:00\tbefore-program\tABC12\t" +
                         where + "20240309-070600-before-program-ABC12.ign\n" +
                         "2024-03-09 07:05:01\tread\tABC12\t" + where +
                         "20240309-070501-read-ABC12.ign\n");
    EXPECT_EQ(run("restore-points extra").exitCode, 64);
}

}  // namespace
}  // namespace tz
