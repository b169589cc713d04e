// Where the program keeps its own files between runs.
#pragma once

#include <optional>
#include <string>

namespace tz {

inline constexpr const char* kProductName = "TZ_ARKO5";

// "TZ_ARKO5_v91.ini"
std::string settingsFileName();
// "_TZ_ARKO5_v91.ini": the 300 image bytes of the last run
std::string savedImageFileName();
inline constexpr const char* kTestModeMarkerFileName = "test_kodrum.txt";

// Makes the directory and every missing one above it; existing ones stay as
// they are. POSIX makes them readable by the user alone (mode 0700); on
// Windows they take the access of the folder they are made in (the user's
// own application data). Nothing when path is a directory afterwards, else
// the first directory that could not be made.
std::optional<std::string> makeDirectories(const std::string& path);

// The program's settings folder, created on demand by ensureConfigDirectory,
// which gives the directory it could not make, if any:
// POSIX: $XDG_CONFIG_HOME/tz_arko5, or ~/.config/tz_arko5 when that is unset
//        or not absolute;
// Windows: %APPDATA%\tz_arko5 (the user's roaming application data).
std::string configDirectory();
std::optional<std::string> ensureConfigDirectory();

// The folder of files the program makes for the user to keep:
// POSIX: $XDG_DATA_HOME/tz_arko5, or ~/.local/share/tz_arko5 when that is
//        unset or not absolute;
// Windows: %LOCALAPPDATA%\tz_arko5, or %APPDATA%\tz_arko5 without it.
std::string dataDirectory();

std::string settingsFilePath();
std::string savedImageFilePath();
std::string testModeMarkerPath();

}  // namespace tz
