// The whole program as it runs: the Qt main window, the desktop services,
// the window's logic and the binding between them, set up in the order the
// program starts. main() and the window tests build it the same way.
#pragma once

#include <QMainWindow>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gui/check_dialog.h"
#include "gui/comparison_dialogs.h"
#include "gui/control_binding.h"
#include "gui/desktop_service.h"
#include "gui/print_service.h"
#include "gui/qt_serial_port.h"
#include "gui/qt_services.h"
#include "gui/surfaces.h"
#include "gui/table_services.h"
#include "platform/ini_file.h"
#include "presenter/window_presenter.h"

namespace tz::gui {

struct ApplicationPaths {
    std::string settingsFile;
    std::string savedImageFile;
    std::string testModeMarker;
    std::string programDirectory;
    std::vector<std::string> manualDirectories;
    // A port for this run instead of the one the settings name.
    std::optional<std::uint8_t> portIndex = std::nullopt;
    // Where restore points are kept (empty: none are written).
    std::string restorePoints = {};
    // A folder of the settings that could not be made (empty: none); the
    // window names it when it is shown.
    std::string unmadeFolder = {};
};

// The files in the user's configuration directory, the restore points in its
// data directory, the manuals next to the program, in the working directory
// or where the program is installed.
ApplicationPaths defaultPaths();

class Application {
  public:
    // Runs the start-up sequence and builds the widgets; show() shows them.
    // Message boxes and file dialogs are Qt's unless `dialogs` replaces them,
    // the comparison dialogs unless `comparisonDialogs` does, the settings
    // check's dialog unless `checkDialogs` does (scripted sessions).
    Application(const ApplicationPaths& paths, std::vector<std::string> arguments,
                Dialogs* dialogs = nullptr,
                presenter::ComparisonDialogs* comparisonDialogs = nullptr,
                presenter::CheckDialogs* checkDialogs = nullptr);

    void show();
    QMainWindow& window() { return window_; }
    presenter::WindowPresenter& logic() { return logic_; }
    ControlBinding& binding() { return *binding_; }

  private:
    std::string unmadeFolder_;
    Dialogs* messageDialogs_;
    IniFile settings_;
    QMainWindow window_;
    QtDialogs dialogs_;
    QtComparisonDialogs comparisonDialogs_;
    QtCheckDialogs checkDialogs_;
    QtKeyboard keyboard_;
    QtWindowHost host_;
    QtDesktop desktop_;
    QtClock clock_;
    QtPrinter printer_;
    QtSurfaces surfaces_;
    QtClipboard clipboard_;
    QtNumberDialog numbers_;
    presenter::WindowPresenter logic_;
    std::unique_ptr<ControlBinding> binding_;
};

}  // namespace tz::gui
