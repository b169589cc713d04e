// tz_arko5-sim answers --help and --version on standard output with status 0
// and a wrong call with the usage on standard error.
#include <gtest/gtest.h>

#include "program_run.h"

namespace tz::sim {
namespace {

TEST(SimUsage, InformationOptionsGoToStandardOutputAndMistakesToStandardError) {
    testing::expectRuns(
        TZ_SIM_PATH,
        {
            {"--version", 0, testing::versionLinePattern("tz_arko5-sim"), "^$"},
            {"--engine --help", 0, "^usage: tz_arko5-sim ", "^$"},
            {"--baud fast", 2, "^$", "^tz_arko5-sim: --baud: bad value fast\nusage: tz_arko5-sim "},
        });
}

}  // namespace
}  // namespace tz::sim
