// The parts of a save temporary's name, shared by the systems' own halves
// of save_temporaries.h.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tz {

inline constexpr std::string_view kSaveMarker = ".tz_arko5-save-";
inline constexpr std::size_t kSaveRandomLength = 6;

struct SplitPath {
    std::string directory;  // "." for a bare file name
    std::string base;
};

SplitPath splitPath(const std::string& path);

}  // namespace tz
