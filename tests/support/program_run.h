// Runs one of the project's programs as a script would and collects what it
// said on standard output and standard error.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "system.h"
#include "temp_dir.h"

namespace tz::testing {

struct ProgramRun {
    int exitCode;
    std::string out;
    std::string err;
};

// The program with the arguments (shell words); its output goes through files
// in dir, new ones for every run: under Wine an ended run may still hold its
// files a moment, and the next run's redirection would then fail and leave
// the earlier output to be read as the new one.
inline int& programRuns() {
    static int runs = 0;
    return runs;
}

// Where the next run's standard output goes, for a test that watches it.
inline std::string nextStandardOutput(const TempDir& dir) {
    return dir.file("stdout" + std::to_string(programRuns() + 1));
}

inline ProgramRun runProgram(const TempDir& dir, const std::string& program,
                             const std::string& arguments) {
    const std::string outPath = nextStandardOutput(dir);
    const std::string errPath = dir.file("stderr" + std::to_string(++programRuns()));
    const std::string command = program + " " + arguments + " >" + outPath + " 2>" + errPath;
    const int status = std::system(command.c_str());
    const auto contents = [](const std::string& path) {
        std::ostringstream s;
        s << std::ifstream(pathFromUtf8(path), std::ios::binary).rdbuf();
        return s.str();
    };
    return {exitCodeOf(status), contents(outPath), contents(errPath)};
}

// What --version prints: the program's name and version, and the commit when
// the build knew it, on one line.
inline std::string versionLinePattern(const std::string& program) {
    return "^" + program + R"( [0-9]+\.[0-9]+\.[0-9]+( \(commit [0-9a-f]+\))?\n$)";
}

// One call of a program and what it must answer: the exit status and
// patterns searched in its standard output and standard error.
struct ExpectedRun {
    std::string arguments;
    int exitCode;
    std::string out;
    std::string err;
};

inline void expectRuns(const std::string& program, const std::vector<ExpectedRun>& runs) {
    const TempDir dir;
    for (const ExpectedRun& expected : runs) {
        SCOPED_TRACE(program + " " + expected.arguments);
        const ProgramRun r = runProgram(dir, program, expected.arguments);
        EXPECT_EQ(r.exitCode, expected.exitCode);
        EXPECT_TRUE(std::regex_search(r.out, std::regex(expected.out))) << r.out;
        EXPECT_TRUE(std::regex_search(r.err, std::regex(expected.err))) << r.err;
    }
}

}  // namespace tz::testing
