// The command line of a console program as UTF-8 text, with standard
// streams that pass bytes as they are: a program's output and its reading
// of files named on the command line are the same on every system.
#pragma once

#include <string>
#include <vector>

namespace tz {

class ProgramArguments {
  public:
    // POSIX: the arguments as given. Windows: the arguments of the wide
    // command line, which holds every name whatever the code page; standard
    // input, output and error in binary mode (no CR added before LF), the
    // console showing UTF-8.
    ProgramArguments(int argc, char** argv);
    ProgramArguments(const ProgramArguments&) = delete;
    ProgramArguments& operator=(const ProgramArguments&) = delete;

    int argc() const { return static_cast<int>(arguments_.size()); }
    // argv()[argc()] is null, as in main's.
    char** argv() { return pointers_.data(); }

  private:
    std::vector<std::string> arguments_;
    std::vector<char*> pointers_;
};

}  // namespace tz
