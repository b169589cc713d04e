// tz_arko5-cli map: the table tools for scripts, run as a script runs them.
#include <gtest/gtest.h>

#include "cli_runner.h"
#include "platform/atomic_file.h"
#include "temp_dir.h"

namespace tz {
namespace {

using testing::CliRun;

// A file whose advance map holds 5 r + c in row r, column c (counted from
// 0), with or without the TPS map.
std::string mapFile(bool tpsMap) {
    std::string text = "KORVANEX_KEY 91\nTPS_MAPA " + std::string(tpsMap ? "1" : "0") + "\nADVANCE";
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < 10; ++c) text += " " + std::to_string(5 * r + c);
    return text + "\n";
}

class CliMap : public testing::CliTest {
  protected:
    void SetUp() override {
        ASSERT_TRUE(writeFileAtomically(in, mapFile(true)));
        ASSERT_TRUE(writeFileAtomically(dir.file("flat.ign"), mapFile(false)));
    }
    // The cells of OUT.ign.
    std::string cellsOut(const std::string& range) {
        return run("map get " + out + " --range " + range).out;
    }

    std::string in = dir.file("in.ign");
    std::string out = dir.file("out.ign");
};

TEST_F(CliMap, GetPrintsCellsAsTheWindowCopiesThem) {
    struct Case {
        std::string arguments;
        std::string out;
    };
    const Case cases[] = {
        {"--range 2:3-3:5", "7\t8\t9\n12\t13\t14\n"},
        {"--range 10:10", "54\n"},
        {"--range 9:9-20:20", "48\t49\n53\t54\n"},  // cut at the table's edge
        {"--table rpm --range 1:1-1:3", "1000\t2000\t3000\n"},
        {"--table servo --range 1:1-2:2", "1200\t2000\n2000\t2100\n"},
    };
    for (const Case& c : cases) {
        const CliRun r = run("map get " + in + " " + c.arguments);
        EXPECT_EQ(r.exitCode, 0) << c.arguments << r.err;
        EXPECT_EQ(r.out, c.out) << c.arguments;
    }
    // Without the TPS map the 100 % row is all there is.
    EXPECT_EQ(run("map get " + dir.file("flat.ign")).out,
              "45\t46\t47\t48\t49\t50\t51\t52\t53\t54\n");
    EXPECT_EQ(run("map get " + dir.file("flat.ign") + " --range 1:1").exitCode, 64);
}

TEST_F(CliMap, ToolsWriteTheChangedSettingsAndSayWhatTheyDid) {
    struct Case {
        std::string arguments;
        std::string line;
        std::string cells;  // 2:2-3:3 of OUT
    };
    const Case cases[] = {
        {"set " + in + " " + out + " 40 --range 2:2-2:3", "Set 2 cells\n", "40\t40\n11\t12\n"},
        {"add " + in + " " + out + " -10 --range 2:2-3:3", "Added to 4 cells, 2 limited\n",
         "0\t0\n1\t2\n"},
        {"scale " + in + " " + out + " 250 --range 3:2-3:3", "Scaled 2 cells\n", "6\t7\n28\t30\n"},
        {"scale " + in + " " + out + " 600 --range 3:2-3:3", "Scaled 2 cells, 2 limited\n",
         "6\t7\n60\t60\n"},
        {"smooth " + in + " " + out + " --range 2:2-3:3", "Smoothed 4 cells\n", "8\t8\n10\t10\n"},
        // Numbers far beyond any cell are limited, not wrapped around.
        {"set " + in + " " + out + " 4294967301 --range 2:2", "Set 1 cell, 1 limited\n",
         "60\t7\n11\t12\n"},
        {"add " + in + " " + out + " 99999999999999999999 --range 2:2",
         "Added to 1 cell, 1 limited\n", "60\t7\n11\t12\n"},
        {"add " + in + " " + out + " -4294967296 --range 2:2", "Added to 1 cell, 1 limited\n",
         "0\t7\n11\t12\n"},
    };
    for (const Case& c : cases) {
        const CliRun r = run("map " + c.arguments);
        EXPECT_EQ(r.exitCode, 0) << c.arguments << r.err;
        EXPECT_EQ(r.out, c.line) << c.arguments;
        EXPECT_EQ(cellsOut("2:2-3:3"), c.cells) << c.arguments;
    }
}

TEST_F(CliMap, PasteTakesASpreadsheetBlockFromAFileOrStandardInput) {
    const std::string text = dir.file("block.txt");
    // A blank cell leaves its cell alone and is not counted.
    ASSERT_TRUE(writeFileAtomically(text, "70\t\r\n2\t-3\r\n"));
    const CliRun fromFile = run("map paste " + in + " " + out + " " + text + " --range 9:9");
    EXPECT_EQ(fromFile.exitCode, 0) << fromFile.err;
    EXPECT_EQ(fromFile.out, "Pasted 3 cells, 2 limited\n");
    EXPECT_EQ(cellsOut("9:9-10:10"), "60\t49\n2\t0\n");

    // One value fills the range; the text may come on standard input.
    ASSERT_TRUE(writeFileAtomically(text, "7\n"));
    for (const char* from : {"", " -"}) {
        const CliRun piped =
            run("map paste " + in + " " + out + from + " --range 1:1-1:2 <" + text);
        EXPECT_EQ(piped.exitCode, 0) << piped.err;
        EXPECT_EQ(cellsOut("1:1-1:3"), "7\t7\t2\n") << from;
    }

    // Speeds that do not ascend are repaired as in the window.
    ASSERT_TRUE(writeFileAtomically(text, "5000;4000"));
    EXPECT_EQ(run("map paste " + in + " " + out + " " + text + " --table rpm").exitCode, 0);
    const std::string speeds = run("map get " + out + " --table rpm --range 1:1-1:2").out;
    EXPECT_EQ(speeds.substr(0, 5), "5000\t");
    EXPECT_GT(std::stoi(speeds.substr(5)), 5000) << speeds;
}

TEST_F(CliMap, ExitCodesAndMessages) {
    const std::string text = dir.file("bad.txt");
    ASSERT_TRUE(writeFileAtomically(text, "1\t2\n3\tabc\n"));
    const CliRun refused = run("--lang DEUTSCH map paste " + in + " " + out + " " + text);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "Keine Zahl in Zeile 2, Spalte 2: \"abc\"\n");
    EXPECT_FALSE(readWholeFile(out).has_value()) << "nothing written";

    // Speeds copied from a spreadsheet with thousands grouping.
    ASSERT_TRUE(writeFileAtomically(text, "1.000\t2.000\t3.000\n"));
    const CliRun grouped = run("map paste " + in + " " + out + " " + text + " --table rpm");
    EXPECT_EQ(grouped.exitCode, 1);
    EXPECT_EQ(grouped.err, "Digit grouping (1.000 = 1 or 1000?) in row 1, column 1: \"1.000\"\n");
    EXPECT_FALSE(readWholeFile(out).has_value()) << "nothing written";

    // A value of IN that is not a number: named, and OUT only when accepted.
    const std::string lost = write("lost.ign", "KORVANEX_KEY 91\nADVANCE 4 7.9 9\n");
    const CliRun lostRefused = run("map set " + lost + " " + out + " 3");
    EXPECT_EQ(lostRefused.exitCode, 1);
    EXPECT_EQ(lostRefused.err, lost +
                                   ", line 2: ADVANCE stops at \"7.9\", which is not a number; "
                                   "its remaining values were not read\n"
                                   "Nothing written: values of the file were not read "
                                   "(--accept-defaults writes it anyway)\n");
    EXPECT_FALSE(readWholeFile(out).has_value()) << "nothing written";
    const CliRun lostAccepted = run("map set " + lost + " " + out + " 3 --accept-defaults");
    EXPECT_EQ(lostAccepted.exitCode, 0) << lostAccepted.err;
    EXPECT_TRUE(readWholeFile(out).has_value());
    EXPECT_EQ(run("map get " + lost).exitCode, 0) << "reading writes nothing, so it goes on";

    struct Case {
        std::string arguments;
        int exitCode;
    };
    const Case cases[] = {
        {"map paste " + in + " " + out + " " + dir.file("none.txt"), 2},
        {"map get " + dir.file("none.ign"), 2},
        {"map set " + in + " " + dir.file("no/dir/out.ign") + " 3", 2},
        {"map", 64},
        {"map get", 64},
        {"map fill " + in + " " + out + " 3", 64},
        {"map set " + in + " " + out, 64},
        {"map set " + in + " " + out + " three", 64},
        {"map smooth " + in + " " + out + " 3", 64},
        {"map get " + in + " --range 1-1", 64},
        {"map get " + in + " --table fuel", 64},
        {"map get " + in + " --table rpm --range 2:1", 64},
    };
    for (const Case& c : cases) EXPECT_EQ(run(c.arguments).exitCode, c.exitCode) << c.arguments;
}

}  // namespace
}  // namespace tz
