#include "sim/pty_device.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tz::sim {

PtyDevice::~PtyDevice() {
    close();
}

bool PtyDevice::open(const std::string& linkPath, std::string& error) {
    close();
    const auto fail = [this, &error](const char* what) {
        error = std::string(what) + ": " + std::strerror(errno);
        close();
        return false;
    };
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0) return fail("posix_openpt");
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0) return fail("grantpt");
    const char* name = ::ptsname(master_);
    if (name == nullptr) return fail("ptsname");
    devicePath_ = name;
    holder_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (holder_ < 0) return fail("open device");
    termios tio{};
    if (::tcgetattr(holder_, &tio) != 0) return fail("tcgetattr");
    ::cfmakeraw(&tio);
    if (::tcsetattr(holder_, TCSANOW, &tio) != 0) return fail("tcsetattr");
    if (::fcntl(master_, F_SETFL, O_NONBLOCK) != 0) return fail("fcntl");

    if (!linkPath.empty()) {
        // Replace the link in one step: a new link under a temporary name
        // renamed over the old one.
        const std::string temporary = linkPath + ".new";
        ::unlink(temporary.c_str());
        if (::symlink(name, temporary.c_str()) != 0) return fail("symlink");
        if (::rename(temporary.c_str(), linkPath.c_str()) != 0) return fail("rename");
        linkPath_ = linkPath;
    }
    return true;
}

void PtyDevice::close() {
    if (!linkPath_.empty()) ::unlink(linkPath_.c_str());
    linkPath_.clear();
    if (holder_ >= 0) ::close(holder_);
    if (master_ >= 0) ::close(master_);
    holder_ = master_ = -1;
    devicePath_.clear();
}

}  // namespace tz::sim
