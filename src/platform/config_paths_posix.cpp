#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/config_paths.h"

namespace tz {

namespace {

std::string homeDirectory() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return ".";
}

// The directory a base directory variable names when it is absolute, else
// the fallback under the home directory.
std::string baseDirectory(const char* variable, const char* homeFallback) {
    const char* value = std::getenv(variable);
    return (value && value[0] == '/') ? std::string(value) : homeDirectory() + homeFallback;
}

// Whether path is a directory now: an existing one is kept as it is, a
// missing one is made readable by the user alone.
bool makeDirectory(const std::string& path) {
    if (::mkdir(path.c_str(), 0700) == 0) return true;
    struct stat st {};
    return errno == EEXIST && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

std::string configDirectory() {
    return baseDirectory("XDG_CONFIG_HOME", "/.config") + "/tz_arko5";
}

std::string dataDirectory() {
    return baseDirectory("XDG_DATA_HOME", "/.local/share") + "/tz_arko5";
}

std::optional<std::string> makeDirectories(const std::string& path) {
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        const std::string parent = path.substr(0, slash);
        if (!makeDirectory(parent)) return parent;
    }
    if (!makeDirectory(path)) return path;
    return std::nullopt;
}

}  // namespace tz
