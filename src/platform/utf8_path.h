// Paths as the program keeps them, UTF-8 text, and the system's path type.
// The text is UTF-8 on every system, also where the system's own narrow
// encoding is another one (Windows).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tz {

std::filesystem::path pathFromUtf8(std::string_view text);
std::string utf8FromPath(const std::filesystem::path& path);

// The name inside the directory, joined by the system's separator.
std::string joinPath(std::string_view directory, std::string_view name);

}  // namespace tz
