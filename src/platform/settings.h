// The program's own state between runs: window placement, port, language,
// file names and the active page, in section BASIC of the settings file.
#pragma once

#include <cstdint>
#include <string>

#include "platform/settings_store.h"

namespace tz {

struct WindowPlacement {
    int left = 0;
    int top = 0;
    int height = 812;
    int width = 991;
};

inline constexpr int kDesignedWindowWidth = 991;
inline constexpr int kDesignedWindowHeight = 812;

// The window centred on a screen of the given size.
WindowPlacement centredPlacement(int screenWidth, int screenHeight);

inline constexpr int kDefaultMaxAdvanceStep = 10;

struct ShellSettings {
    WindowPlacement placement;
    std::uint8_t portIndex = 0;    // 0..29 fixed ports, 30 automatic search
    std::uint8_t searchIndex = 0;  // port the automatic search tried last
    // The device a fixed port choice was made on (empty: none or automatic).
    std::string portDevice;
    std::uint8_t language = 0;
    // Whether the settings held a language: a first start has none and takes
    // the desktop's.
    bool languageSaved = false;
    std::string fileName;      // the current .ign file, empty after New or a read
    std::string lastFileName;  // the last .ign file opened or saved
    int activePage = 0;
    // Read the unit before each Program command and keep it as a restore
    // point (an extra key after the ten of the original file; on when
    // missing, so that a new installation backs up).
    bool backupBeforeProgram = true;
    // The settings check's largest advance step between neighbouring map
    // cells, degrees 0..60 (an extra key; 10 when missing or out of range).
    int maxAdvanceStep = kDefaultMaxAdvanceStep;
    // The window in the desktop's style, colours and font instead of its own
    // (an extra key; off when missing).
    bool desktopLook = false;
};

inline constexpr const char* kSettingsSection = "BASIC";

// Reads every key of section BASIC; a missing or unreadable key takes its
// default: the placement and active page of `designed`, port 1 (index 0),
// search index 255 (repaired later by the normalisation), English, no files.
// Byte-sized indices are taken modulo 256.
ShellSettings LoadSettings(const SettingsStore& store, const WindowPlacement& designed,
                           int designedPage);

// Writes the ten keys in their fixed order, then the extra keys that other
// installations pass over: the port's device (once there is one) and the
// backup before programming (always, so that a choice is kept), the largest
// advance step and the desktop look (once they are not the default); flushes the store;
// false when the store could not be written. Keys the program does not know
// stay.
bool SaveSettings(SettingsStore& store, const ShellSettings& settings);

}  // namespace tz
