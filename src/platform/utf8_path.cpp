#include "platform/utf8_path.h"

namespace tz {

std::filesystem::path pathFromUtf8(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string utf8FromPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string joinPath(std::string_view directory, std::string_view name) {
    return utf8FromPath(pathFromUtf8(directory) / pathFromUtf8(name));
}

}  // namespace tz
