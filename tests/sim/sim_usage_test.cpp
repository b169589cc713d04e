// tz_arko5-sim answers --help and --version on standard output with status 0
// and a wrong call with the usage on standard error.
#include <gtest/gtest.h>

#include <regex>

#include "program_run.h"

namespace tz::sim {
namespace {

TEST(SimUsage, InformationOptionsGoToStandardOutputAndMistakesToStandardError) {
    struct Case {
        std::string arguments;
        int exitCode;
        std::string out;  // patterns searched in the output
        std::string err;
    };
    const Case cases[] = {
        {"--version", 0, testing::versionLinePattern("tz_arko5-sim"), "^$"},
        {"--engine --help", 0, "^usage: tz_arko5-sim ", "^$"},
        {"--baud fast", 2, "^$", "^tz_arko5-sim: --baud: bad value fast\nusage: tz_arko5-sim "},
    };
    const testing::TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        const testing::ProgramRun r = testing::runProgram(dir, TZ_SIM_PATH, c.arguments);
        EXPECT_EQ(r.exitCode, c.exitCode);
        EXPECT_TRUE(std::regex_search(r.out, std::regex(c.out))) << r.out;
        EXPECT_TRUE(std::regex_search(r.err, std::regex(c.err))) << r.err;
    }
}

}  // namespace
}  // namespace tz::sim
