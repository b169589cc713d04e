// Runs tz_arko5-cli as a script would and collects what it said.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/atomic_file.h"
#include "system.h"
#include "temp_dir.h"

namespace tz::testing {

struct CliRun {
    int exitCode;
    std::string out;
    std::string err;
};

// The program with the arguments; its output goes through files in dir.
inline CliRun runCli(const TempDir& dir, const std::string& arguments) {
    const std::string outPath = dir.file("stdout"), errPath = dir.file("stderr");
    const std::string command =
        "\"" + std::string(TZ_CLI_PATH) + "\" " + arguments + " >" + outPath + " 2>" + errPath;
    const int status = std::system(command.c_str());
    return {exitCodeOf(status), readWholeFile(outPath).value_or(""),
            readWholeFile(errPath).value_or("")};
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
