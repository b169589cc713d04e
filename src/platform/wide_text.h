// UTF-8, the program's text, to and from UTF-16, the text of the Windows
// API (its ...W functions). Windows only.
#pragma once

#include <string>
#include <string_view>

namespace tz {

std::wstring wideFromUtf8(std::string_view text);
std::string utf8FromWide(std::wstring_view text);

}  // namespace tz
