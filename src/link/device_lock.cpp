#include "link/device_lock.h"

#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace tz::link {

namespace {

OpenFailure failureOf(int error) {
    switch (error) {
        case ENOENT:
        case ENODEV:
        case ENXIO:
        case ENOTDIR:
        case EIO:  // a terminal whose other end has gone
            return OpenFailure::Missing;
        case EBUSY:        // another program's TIOCEXCL
        case EWOULDBLOCK:  // another program's lock
            return OpenFailure::Busy;
        case EACCES:
        case EPERM:
            return OpenFailure::Permission;
        default:
            return OpenFailure::Refused;
    }
}

}  // namespace

int openLockedDevice(const std::string& device, OpenFailure& failure) {
    failure = OpenFailure::Missing;
    if (device.empty()) return -1;
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        failure = failureOf(errno);
        return -1;
    }
    if (!::isatty(fd)) {
        failure = OpenFailure::Refused;
    } else if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        failure = failureOf(errno);
    } else {
        failure = OpenFailure::None;
        return fd;
    }
    ::close(fd);
    return -1;
}

std::string deviceGroup(const std::string& device) {
    struct stat st {};
    if (::stat(device.c_str(), &st) != 0) return {};
    group entry{};
    group* found = nullptr;
    std::vector<char> buffer(16384);
    if (::getgrgid_r(st.st_gid, &entry, buffer.data(), buffer.size(), &found) != 0 ||
        found == nullptr)
        return std::to_string(st.st_gid);
    return found->gr_name;
}

}  // namespace tz::link
