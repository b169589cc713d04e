#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "platform/save_temporaries.h"

namespace tz {

namespace {

std::string directoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

bool writeAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t n = ::write(fd, content.data(), content.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Keeps the permissions of a file that is being replaced.
mode_t modeFor(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
    return 0644;
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// A new temporary file for a save of path, open and locked, its name in
// `name`; -1 on failure. Another instance's clean-up may take a temporary
// between its creation and the lock: that one is given up for another.
int createLockedTemporary(const std::string& path, std::string& name) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        name = saveTemporaryTemplate(path);
        const int fd = ::mkostemp(name.data(), O_CLOEXEC);
        if (fd < 0) return -1;
        struct stat opened {};
        struct stat named {};
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &opened) == 0 &&
            ::lstat(name.c_str(), &named) == 0 && sameFile(opened, named))
            return fd;
        ::close(fd);
    }
    return -1;
}

}  // namespace

std::optional<std::string> readWholeFile(const std::string& path, std::size_t maxBytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::string content;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        const std::size_t room = maxBytes - content.size();
        content.append(buffer, std::min(static_cast<std::size_t>(n), room));
        if (content.size() >= maxBytes) break;
    }
    ::close(fd);
    return content;
}

bool writeFileAtomically(const std::string& path, std::string_view content) {
    removeLeftoverTemporaries(path);
    std::string temp;
    const int fd = createLockedTemporary(path, temp);
    if (fd < 0) return false;
    bool ok = ::fchmod(fd, modeFor(path)) == 0 && writeAll(fd, content) && ::fsync(fd) == 0;
    // The lock stays on a second descriptor until the rename is done, so
    // that no clean-up takes the temporary meanwhile.
    const int held = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    ok = (::close(fd) == 0) && held >= 0 && ok;
    if (ok) ok = ::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) ::unlink(temp.c_str());
    if (held >= 0) ::close(held);
    if (!ok) return false;
    // Make the rename itself durable.
    const int dirFd = ::open(directoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

}  // namespace tz
