// Runs one of the project's programs as a script would and collects what it
// said on standard output and standard error.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "temp_dir.h"

namespace tz::testing {

struct ProgramRun {
    int exitCode;
    std::string out;
    std::string err;
};

// The program with the arguments (shell words); its output goes through files
// in dir.
inline ProgramRun runProgram(const TempDir& dir, const std::string& program,
                             const std::string& arguments) {
    const std::string outPath = dir.file("stdout"), errPath = dir.file("stderr");
    const std::string command = program + " " + arguments + " >" + outPath + " 2>" + errPath;
    const int status = std::system(command.c_str());
    const auto contents = [](const std::string& path) {
        std::ostringstream s;
        s << std::ifstream(path, std::ios::binary).rdbuf();
        return s.str();
    };
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, contents(outPath), contents(errPath)};
}

// What --version prints: the program's name and version, and the commit when
// the build knew it, on one line.
inline std::string versionLinePattern(const std::string& program) {
    return "^" + program + R"( [0-9]+\.[0-9]+\.[0-9]+( \(commit [0-9a-f]+\))?\n$)";
}

}  // namespace tz::testing
