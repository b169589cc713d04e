#include "platform/settings.h"

namespace tz {

namespace {
constexpr const char* kLeft = "Left";
constexpr const char* kTop = "Top";
constexpr const char* kHeight = "Height";
constexpr const char* kWidth = "Width";
constexpr const char* kComPort = "ComPort";
constexpr const char* kComPortAuto = "ComPortAuto";
constexpr const char* kLanguage = "Language";
constexpr const char* kFile = "File";
constexpr const char* kIniDir = "IniDir";
constexpr const char* kActivePage = "PageControl1->ActivePageIndex";
constexpr const char* kComPortDevice = "ComPortDevice";
constexpr const char* kBackupBeforeProgram = "BackupBeforeProgram";
constexpr const char* kMaxAdvanceStep = "MaxAdvanceStep";
constexpr const char* kDesktopLook = "DesktopLook";
constexpr int kLargestAdvanceStep = 60;

std::uint8_t lowByte(int value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}
}  // namespace

WindowPlacement centredPlacement(int screenWidth, int screenHeight) {
    WindowPlacement p;
    p.width = kDesignedWindowWidth;
    p.height = kDesignedWindowHeight;
    p.left = (screenWidth - p.width) / 2;
    p.top = (screenHeight - p.height) / 2;
    return p;
}

ShellSettings LoadSettings(const SettingsStore& store, const WindowPlacement& designed,
                           int designedPage) {
    const char* s = kSettingsSection;
    ShellSettings out;
    out.placement.left = readInteger(store, s, kLeft, designed.left);
    out.placement.top = readInteger(store, s, kTop, designed.top);
    out.placement.height = readInteger(store, s, kHeight, designed.height);
    out.placement.width = readInteger(store, s, kWidth, designed.width);
    out.portIndex = lowByte(readInteger(store, s, kComPort, 1) - 1);
    out.searchIndex = lowByte(readInteger(store, s, kComPortAuto, 0) - 1);
    out.language = lowByte(readInteger(store, s, kLanguage, 0));
    out.languageSaved = store.readString(s, kLanguage).has_value();
    out.fileName = store.readString(s, kFile).value_or("");
    out.lastFileName = store.readString(s, kIniDir).value_or("");
    out.activePage = readInteger(store, s, kActivePage, designedPage);
    out.portDevice = store.readString(s, kComPortDevice).value_or("");
    out.backupBeforeProgram = readInteger(store, s, kBackupBeforeProgram, 1) != 0;
    const int step = readInteger(store, s, kMaxAdvanceStep, kDefaultMaxAdvanceStep);
    out.maxAdvanceStep = step >= 0 && step <= kLargestAdvanceStep ? step : kDefaultMaxAdvanceStep;
    out.desktopLook = readInteger(store, s, kDesktopLook, 0) != 0;
    return out;
}

bool SaveSettings(SettingsStore& store, const ShellSettings& settings) {
    const char* s = kSettingsSection;
    writeInteger(store, s, kLeft, settings.placement.left);
    writeInteger(store, s, kTop, settings.placement.top);
    writeInteger(store, s, kHeight, settings.placement.height);
    writeInteger(store, s, kWidth, settings.placement.width);
    writeInteger(store, s, kComPort, settings.portIndex + 1);
    writeInteger(store, s, kComPortAuto, settings.searchIndex + 1);
    writeInteger(store, s, kLanguage, settings.language);
    store.writeString(s, kFile, settings.fileName);
    store.writeString(s, kIniDir, settings.lastFileName);
    writeInteger(store, s, kActivePage, settings.activePage);
    // The extra key appears only once there is a device to keep.
    if (!settings.portDevice.empty() || store.readString(s, kComPortDevice))
        store.writeString(s, kComPortDevice, settings.portDevice);
    // Always written: the choice of an installation stays when the default
    // for new ones changes.
    writeInteger(store, s, kBackupBeforeProgram, settings.backupBeforeProgram ? 1 : 0);
    if (settings.maxAdvanceStep != kDefaultMaxAdvanceStep || store.readString(s, kMaxAdvanceStep))
        writeInteger(store, s, kMaxAdvanceStep, settings.maxAdvanceStep);
    if (settings.desktopLook || store.readString(s, kDesktopLook))
        writeInteger(store, s, kDesktopLook, settings.desktopLook ? 1 : 0);
    return store.flush();
}

}  // namespace tz
