// The configuration program's window.
//
//     tz_arko5 [ENGLISH|DEUTSCH|FRANCE|CESKY] [--screenshot FILE.png]
//
// With --screenshot the program saves a picture of its window as soon as it
// is shown and closes as usual (0 when the file was written).
#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QTimer>

#include "app/config_paths.h"
#include "app/ini_file.h"
#include "app/window/main_window.h"
#include "gui/app_look.h"
#include "gui/control_binding.h"
#include "gui/desktop_service.h"
#include "gui/print_service.h"
#include "gui/qt_services.h"
#include "gui/screenshot.h"

namespace {

std::vector<std::string> programArguments() {
    std::vector<std::string> args;
    const QStringList all = QApplication::arguments();
    for (qsizetype i = 1; i < all.size(); ++i) {
        if (all[i] == QStringLiteral("--screenshot")) {
            ++i;
            continue;
        }
        args.push_back(all[i].toStdString());
    }
    return args;
}

// The manuals: in the working directory, next to the program, or where the
// program is installed.
std::vector<std::string> manualDirectories() {
    const QString programDir = QCoreApplication::applicationDirPath();
    return {QDir::currentPath().toStdString(), programDir.toStdString(),
            QDir(programDir + QStringLiteral("/../share/tz_arko5/manuals"))
                .absolutePath()
                .toStdString()};
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("TZ_ARKO5"));
    tz::gui::applyApplicationLook();

    tz::ensureConfigDirectory();
    tz::IniFile settings(tz::settingsFilePath());

    QMainWindow window;
    tz::gui::QtDialogs dialogs(window);
    tz::gui::QtKeyboard keyboard;
    tz::gui::QtWindowHost host(window);
    tz::gui::QtDesktop desktop(window);
    tz::gui::QtClock clock;
    tz::gui::ControlBinding* binding = nullptr;
    tz::gui::QtPrinter printer([&binding]() -> QWidget* {
        if (!binding) return nullptr;
        binding->sync();
        return binding->widget(0);
    });

    tz::MainWindow logic(tz::WindowServices{settings, dialogs, keyboard, host, printer, desktop,
                                            clock, tz::savedImageFilePath(),
                                            tz::testModeMarkerPath(),
                                            QCoreApplication::applicationDirPath().toStdString(),
                                            manualDirectories()},
                         programArguments());
    logic.FormCreate();
    tz::gui::ControlBinding bindingObject(logic.controls(), logic, window);
    binding = &bindingObject;
    window.show();
    bindingObject.start();

    const QStringList args = QApplication::arguments();
    if (const qsizetype at = args.indexOf(QStringLiteral("--screenshot")); at >= 0) {
        const QString path = args.value(at + 1);
        QTimer::singleShot(0, &window, [&window, path] {
            const bool saved = tz::gui::saveScreenshot(window, path);
            window.close();
            QApplication::exit(saved ? 0 : 1);
        });
    }
    return QApplication::exec();
}
