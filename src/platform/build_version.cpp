#include "platform/build_version.h"

// Written at every build by write_build_version.cmake (kVersion, kCommit).
#include "build_version_values.h"

namespace tz {

std::string_view programVersion() {
    return kVersion;
}

std::string_view buildCommit() {
    return kCommit;
}

std::string versionLine(std::string_view program) {
    std::string line = std::string(program) + " " + std::string(kVersion);
    if (!kCommit.empty()) line += " (commit " + std::string(kCommit) + ")";
    return line;
}

}  // namespace tz
