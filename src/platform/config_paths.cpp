#include "platform/config_paths.h"

#include "params/image.h"
#include "platform/utf8_path.h"

namespace tz {

std::string settingsFileName() {
    return std::string(kProductName) + "_v" + std::to_string(kProtocolVersion) + ".ini";
}

std::string savedImageFileName() {
    return "_" + settingsFileName();
}

std::optional<std::string> ensureConfigDirectory() {
    return makeDirectories(configDirectory());
}

std::string settingsFilePath() {
    return joinPath(configDirectory(), settingsFileName());
}
std::string savedImageFilePath() {
    return joinPath(configDirectory(), savedImageFileName());
}
std::string testModeMarkerPath() {
    return joinPath(configDirectory(), kTestModeMarkerFileName);
}

}  // namespace tz
