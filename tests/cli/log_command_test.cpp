// tz_arko5-cli log: a live-data log's figures and its plot as an SVG file.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli_runner.h"

namespace tz {
namespace {

using testing::CliRun;

// Worked out by hand: 11.555 s, rpm 1000..6500 with mean 13000 / 4, advance
// -3..21 with mean 33 / 4. Without the TPS map the time goes to the last
// map row: 0.3 s at 1000 rpm, 0.3 s at 3000 rpm; the 2500 rpm row is
// followed by a gap of 11 s, which counts nothing.
constexpr const char* kLog =
    "time_s,rpm,advance1,running\n"
    "2.500,1000,-3,0\n"
    "2.800,3000,5,1\n"
    "3.100,2500,10,1\n"
    "14.055,6500,21,1\n";

class CliLog : public testing::CliTest {
  protected:
    std::string log = write("ride.csv", kLog);
    std::string svg = dir.file("ride.svg");
};

TEST_F(CliLog, StatsAreTheLogsOwnFigures) {
    const CliRun json = run("log stats " + log + " --json");
    EXPECT_EQ(json.exitCode, 0) << json.err;
    const std::string zeros = "[0,0,0,0,0,0,0,0,0,0],";
    std::string cells;
    for (int i = 0; i < 9; ++i) cells += zeros;
    EXPECT_EQ(json.out, R"({"duration_s":11.555,"rows":4,"channels":{)"
                        R"("rpm":{"min":1000,"max":6500,"mean":3250},)"
                        R"("advance1":{"min":-3,"max":21,"mean":8.25},)"
                        R"("running":{"min":0,"max":1,"mean":0.75}},)"
                        R"("cell_time_s":[)" +
                            cells + "[0.3,0,0.3,0,0,0,0,0,0,0]]}\n");

    const CliRun text = run("log stats " + log);
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_NE(text.out.find("duration_s\t11.555\nrows\t4\n"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("advance1\t-3\t21\t8.25\n"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("\t100\t0.3\t0\t0.3\t0"), std::string::npos) << text.out;
}

TEST_F(CliLog, PlotWritesOnePolylinePerChannel) {
    const CliRun r = run("log plot " + log + " --out " + svg +
                         " --channels rpm,running --from 0.5 --to 11 --size 800x400");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string picture = readWholeFile(svg).value_or("");
    EXPECT_EQ(picture.rfind("<?xml", 0), 0u);
    EXPECT_NE(picture.find(R"(width="800" height="400")"), std::string::npos);
    EXPECT_NE(picture.find("<g class=\"rpm\">\n<polyline "), std::string::npos);
    EXPECT_NE(picture.find("<g class=\"running\">\n<polyline "), std::string::npos);
    EXPECT_EQ(picture.find("<g class=\"advance1\">"), std::string::npos);
    EXPECT_TRUE(picture.ends_with("</svg>\n"));
}

TEST_F(CliLog, BadLogsAndOptionsAreRefusedAndNothingIsWritten) {
    const struct {
        std::string arguments;
        int exitCode;
        std::string err;
    } cases[] = {
        {"log plot " + dir.file("none.csv") + " --out " + svg, 2, "none.csv"},
        {"log plot " + write("bad.csv", "time_s,rpm\n0.0,1\n0.5,lots\n") + " --out " + svg, 1,
         "line 3: rpm: not a number"},
        {"log stats " + write("empty.csv", "time_s,rpm\n"), 1, "no rows"},
        {"log plot " + log + " --out " + svg + " --channels rpm,boost", 64, "boost"},
        {"log plot " + log + " --out " + svg + " --from 9 --to 3", 64, "--from"},
        {"log plot " + log, 64, "--out"},
        {"log draw " + log, 64, "usage"},
    };
    for (const auto& c : cases) {
        const CliRun r = run(c.arguments);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.arguments;
        EXPECT_NE(r.err.find(c.err), std::string::npos) << c.arguments << ": " << r.err;
        EXPECT_FALSE(std::filesystem::exists(svg)) << c.arguments;
    }
}

}  // namespace
}  // namespace tz
