// --help and --version answer on standard output with status 0; a wrong call
// gets the usage on standard error with the usage status.
#include <gtest/gtest.h>

#include <regex>

#include "cli_runner.h"

namespace tz {
namespace {

using testing::CliRun;

class CliUsage : public testing::CliTest {};

TEST_F(CliUsage, InformationOptionsGoToStandardOutputAndMistakesToStandardError) {
    struct Case {
        std::string arguments;
        int exitCode;
        std::string out;  // patterns searched in the output
        std::string err;
    };
    const Case cases[] = {
        {"--version", 0, testing::versionLinePattern("tz_arko5-cli"), "^$"},
        {"--help", 0, "^usage: tz_arko5-cli ", "^$"},
        {"--lang DEUTSCH --version", 0, testing::versionLinePattern("tz_arko5-cli"), "^$"},
        {"", 64, "^$", "^usage: tz_arko5-cli "},
        {"--versions", 64, "^$", "^unknown option: --versions\nusage: tz_arko5-cli "},
        {"version", 64, "^$", "^unknown command: version\nusage: tz_arko5-cli "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        const CliRun r = run(c.arguments);
        EXPECT_EQ(r.exitCode, c.exitCode);
        EXPECT_TRUE(std::regex_search(r.out, std::regex(c.out))) << r.out;
        EXPECT_TRUE(std::regex_search(r.err, std::regex(c.err))) << r.err;
    }
}

}  // namespace
}  // namespace tz
