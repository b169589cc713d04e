// --help and --version answer on standard output with status 0; a wrong call
// gets the usage on standard error with the usage status.
#include <gtest/gtest.h>

#include "program_run.h"

namespace tz {
namespace {

TEST(CliUsage, InformationOptionsGoToStandardOutputAndMistakesToStandardError) {
    const std::string version = testing::versionLinePattern("tz_arko5-cli");
    testing::expectRuns(TZ_CLI_PATH,
                        {
                            {"--version", 0, version, "^$"},
                            {"--lang DEUTSCH --version", 0, version, "^$"},
                            {"--help", 0, "^usage: tz_arko5-cli ", "^$"},
                            {"", 64, "^$", "^usage: tz_arko5-cli "},
                            {"--versions", 64, "^$", "^unknown option: --versions\nusage: "},
                            {"version", 64, "^$", "^unknown command: version\nusage: "},
                        });
}

}  // namespace
}  // namespace tz
