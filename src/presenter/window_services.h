// What the window's presenter needs from its surroundings: the desktop's
// services, the files it keeps between runs and the session's services.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "logs/log_writer.h"
#include "platform/settings_store.h"
#include "presenter/check_dialog.h"
#include "presenter/comparison_dialogs.h"
#include "presenter/services.h"
#include "presenter/table_services.h"
#include "session/session.h"

namespace tz::presenter {

struct WindowServices {
    SettingsStore& settings;
    Dialogs& dialogs;
    Keyboard& keyboard;
    WindowHost& host;
    Printer& printer;
    Desktop& desktop;
    Clock& clock;
    Surfaces& surfaces;
    Clipboard& clipboard;
    NumberDialog& numbers;
    // Where the saved image of the last run lives (empty: not kept).
    std::string savedImagePath;
    // Where the test-mode marker is looked for (empty: test mode off).
    std::string testModeMarkerPath;
    // Where the manuals are looked for, in this order.
    std::vector<std::string> manualDirectories;
    // Serial ports, the port table and the program's directory.
    session::SessionServices session;
    // A port chosen for this run (a command-line option), instead of the
    // one the settings name.
    std::optional<std::uint8_t> portIndexOverride = std::nullopt;
    // Creates the file of a live-data recording.
    std::function<std::unique_ptr<logs::LogSink>(const std::string&, std::error_code&)>
        openLogFile = logs::OpenLogFile;
    // The comparison and restore point dialogs (none: those commands do
    // nothing).
    ComparisonDialogs* comparisonDialogs = nullptr;
    // The settings check's dialog (none: programming goes ahead unasked).
    CheckDialogs* checkDialogs = nullptr;
};

}  // namespace tz::presenter
