#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "platform/save_temporaries.h"
#include "platform/save_temporary_names.h"

namespace tz {

namespace {

std::vector<std::string> temporariesIn(const SplitPath& p) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(p.directory.c_str());
    if (dir == nullptr) return names;
    while (const dirent* entry = ::readdir(dir)) {
        if (isSaveTemporaryOf(entry->d_name, p.base)) names.emplace_back(entry->d_name);
    }
    ::closedir(dir);
    return names;
}

// Removes one leftover: only a regular file of ours that no running save
// holds, and only while the name still leads to the file that was checked.
bool removeLeftover(int dirFd, const std::string& name) {
    const int fd = ::openat(dirFd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    bool removed = false;
    struct stat opened {};
    struct stat named {};
    if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && opened.st_uid == ::geteuid() &&
        ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
        ::fstatat(dirFd, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
        named.st_dev == opened.st_dev && named.st_ino == opened.st_ino) {
        removed = ::unlinkat(dirFd, name.c_str(), 0) == 0;
    }
    ::close(fd);
    return removed;
}

}  // namespace

std::size_t removeLeftoverTemporaries(const std::string& path) {
    const SplitPath p = splitPath(path);
    const std::vector<std::string> names = temporariesIn(p);
    if (names.empty()) return 0;
    const int dirFd = ::open(p.directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0) return 0;
    std::size_t removed = 0;
    for (const std::string& name : names) removed += removeLeftover(dirFd, name) ? 1 : 0;
    ::close(dirFd);
    return removed;
}

}  // namespace tz
