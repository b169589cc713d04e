// The test-mode marker: a text file that unlocks the diagnostic labels when
// it holds the word DIAG_UNLOCK (exact letter case).
#pragma once

#include <string>
#include <string_view>

namespace tz {

bool markerTextUnlocksTestMode(std::string_view text);

// False when the file is missing or unreadable.
bool ReadTestModeMarker(const std::string& path);

}  // namespace tz
