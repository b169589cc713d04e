#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "system.h"

namespace tz::testing {

void setEnvironment(const char* name, const char* value) {
    if (value)
        ::setenv(name, value, 1);
    else
        ::unsetenv(name);
}

int exitCodeOf(int systemStatus) {
    return WIFEXITED(systemStatus) ? WEXITSTATUS(systemStatus) : -1;
}

std::string timeLimitedCommand(const std::string& program) {
    return "timeout 120 '" + program + "'";
}

const char* const kDataHomeVariable = "XDG_DATA_HOME";

RunningSaveHold::RunningSaveHold(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return;
    if (::flock(fd, LOCK_EX) == 0)
        handle_ = fd;
    else
        ::close(fd);
}

RunningSaveHold::~RunningSaveHold() {
    if (held()) ::close(static_cast<int>(handle_));
}

}  // namespace tz::testing
