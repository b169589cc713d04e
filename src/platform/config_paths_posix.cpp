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

bool makeDirectory(const std::string& path) {
    return ::mkdir(path.c_str(), 0755) == 0 || errno == EEXIST;
}

}  // namespace

std::string configDirectory() {
    return baseDirectory("XDG_CONFIG_HOME", "/.config") + "/tz_arko5";
}

std::string dataDirectory() {
    return baseDirectory("XDG_DATA_HOME", "/.local/share") + "/tz_arko5";
}

bool ensureConfigDirectory() {
    const std::string dir = configDirectory();
    const std::size_t slash = dir.rfind('/');
    if (slash != std::string::npos && slash > 0) makeDirectory(dir.substr(0, slash));
    return makeDirectory(dir);
}

}  // namespace tz
