// Runs tz_arko5-cli as a script would and collects what it said.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/atomic_file.h"
#include "program_run.h"
#include "system.h"
#include "temp_dir.h"

namespace tz::testing {

using CliRun = ProgramRun;

// The program with the arguments; its output goes through files in dir. A run
// that hangs fails the test instead of stalling the suite (timeLimitedCommand).
inline CliRun runCli(const TempDir& dir, const std::string& arguments) {
    return runProgram(dir, timeLimitedCommand(TZ_CLI_PATH), arguments);
}

// Runs and files of one test in one temporary folder.
class CliTest : public ::testing::Test {
  protected:
    CliRun run(const std::string& arguments) const { return runCli(dir, arguments); }
    // Writes the file into the folder and returns its path.
    std::string write(const std::string& name, const std::string& content) const {
        const std::string path = dir.file(name);
        EXPECT_TRUE(writeFileAtomically(path, content));
        return path;
    }

    TempDir dir;
};

}  // namespace tz::testing
