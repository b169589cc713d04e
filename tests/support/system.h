// What the tests need of the system they run on, one source file per system
// (system_posix.cpp, system_windows.cpp).
#pragma once

#include <cstdint>
#include <string>

namespace tz::testing {

// Sets the variable for this process and the programs it starts; removes it
// for nullptr.
void setEnvironment(const char* name, const char* value);

// The exit code of a program run by std::system; -1 when it did not exit.
int exitCodeOf(int systemStatus);

// The shell words that run the program. Where the system has a command for
// it (POSIX), a run that hangs is ended after two minutes with exit status
// 124; on Windows the program runs as it is.
std::string timeLimitedCommand(const std::string& program);

// The variable that names the folder of the program's data
// (platform/config_paths.h).
extern const char* const kDataHomeVariable;

// Holds a file as a running save holds its temporary file, while it lives.
class RunningSaveHold {
  public:
    explicit RunningSaveHold(const std::string& path);
    ~RunningSaveHold();
    RunningSaveHold(const RunningSaveHold&) = delete;
    RunningSaveHold& operator=(const RunningSaveHold&) = delete;

    bool held() const { return handle_ != kNone; }

  private:
    static constexpr std::intptr_t kNone = -1;
    std::intptr_t handle_ = kNone;  // the file's descriptor or HANDLE
};

}  // namespace tz::testing
