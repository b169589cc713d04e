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

// The program's settings folder, created on demand by ensureConfigDirectory:
// POSIX: $XDG_CONFIG_HOME/tz_arko5, or ~/.config/tz_arko5 when that is unset
//        or not absolute;
// Windows: %APPDATA%\tz_arko5 (the user's roaming application data).
std::string configDirectory();
bool ensureConfigDirectory();

// The folder of files the program makes for the user to keep:
// POSIX: $XDG_DATA_HOME/tz_arko5, or ~/.local/share/tz_arko5 when that is
//        unset or not absolute;
// Windows: %LOCALAPPDATA%\tz_arko5, or %APPDATA%\tz_arko5 without it.
std::string dataDirectory();

std::string settingsFilePath();
std::string savedImageFilePath();
std::string testModeMarkerPath();

}  // namespace tz
