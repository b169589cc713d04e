// Where the program keeps its own files between runs.
#pragma once

#include <string>

namespace tz {

inline constexpr const char* kProductName = "TZ_ARKO5";

// "TZ_ARKO5_v91.ini"
std::string settingsFileName();
// "_TZ_ARKO5_v91.ini": the 300 image bytes of the last run
std::string savedImageFileName();
inline constexpr const char* kTestModeMarkerFileName = "test_kodrum.txt";

// $XDG_CONFIG_HOME/tz_arko5, or ~/.config/tz_arko5 when that is unset or not
// absolute. Created on demand by ensureConfigDirectory.
std::string configDirectory();
bool ensureConfigDirectory();

// $XDG_DATA_HOME/tz_arko5, or ~/.local/share/tz_arko5 when that is unset or
// not absolute: files the program makes for the user to keep.
std::string dataDirectory();

std::string settingsFilePath();
std::string savedImageFilePath();
std::string testModeMarkerPath();

}  // namespace tz
