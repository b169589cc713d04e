// The configuration program's window; kUsage says what its command line
// takes.
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "gui/app_identity.h"
#include "gui/app_look.h"
#include "gui/application.h"
#include "gui/screenshot.h"
#include "gui/termination.h"
#include "platform/build_version.h"
#include "platform/save_temporaries.h"

namespace {

constexpr const char* kUsage =
    "usage: tz_arko5 [ENGLISH|DEUTSCH|FRANCE|CESKY] [FILE.ign] [--port DEVICE]\n"
    "                [--screenshot FILE.png [--after MS]] [--notify-ready]\n"
    "       tz_arko5 --help|--version\n"
    "The window of the TZ_ARKO5 ignition configurator.\n"
    "\n"
    "  ENGLISH|DEUTSCH|FRANCE|CESKY  the language of the texts (by default the\n"
    "                        one chosen last)\n"
    "  FILE.ign              open the file once the window is shown, as Open would\n"
    "  --port DEVICE         use the serial device DEVICE as \"Com 1\" for this run,\n"
    "                        whatever port the settings chose\n"
    "  --screenshot FILE.png save a picture of the window MS milliseconds after it\n"
    "                        is shown and close as usual (exit status 0 when the\n"
    "                        file was written); a message box it would show goes\n"
    "                        to standard error instead and ends the run with 1\n"
    "  --after MS            the delay of --screenshot (default 300)\n"
    "  --notify-ready        print \"ready\" on standard output once the window is\n"
    "                        shown, and close on SIGTERM as the close box does\n"
    "  --help                print this text and exit\n"
    "  --version             print the program's name and version and exit\n";

// --help and --version answer before Qt starts, so they need no display.
bool answeredInformationOption(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(kUsage, stdout);
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s\n", tz::versionLine("tz_arko5").c_str());
            return true;
        }
    }
    return false;
}

struct Options {
    std::vector<std::string> programArguments;
    QString port;
    QString screenshot;
    int screenshotDelayMs = 300;
    bool notifyReady = false;
};

Options parseOptions() {
    Options o;
    const QStringList all = QApplication::arguments();
    for (qsizetype i = 1; i < all.size(); ++i) {
        const QString& a = all[i];
        const QString value = all.value(i + 1);
        if (a == QStringLiteral("--notify-ready")) {
            o.notifyReady = true;
            continue;
        }
        if (a == QStringLiteral("--port")) {
            o.port = value;
        } else if (a == QStringLiteral("--screenshot")) {
            o.screenshot = value;
        } else if (a == QStringLiteral("--after")) {
            o.screenshotDelayMs = value.toInt();
        } else {
            o.programArguments.push_back(a.toStdString());
            continue;
        }
        ++i;
    }
    return o;
}

}  // namespace

int main(int argc, char** argv) {
    if (answeredInformationOption(argc, argv)) return 0;
    QApplication app(argc, argv);
    tz::gui::applyApplicationIdentity();
    tz::gui::applyApplicationLook();
    const Options options = parseOptions();

    tz::gui::ApplicationPaths paths = tz::gui::defaultPaths();
    // Saves cut short in an earlier run may have left temporaries behind.
    tz::removeLeftoverTemporaries(paths.settingsFile);
    tz::removeLeftoverTemporaries(paths.savedImageFile);
    if (!options.port.isEmpty()) {
        ::setenv("TZ_ARKO5_PORTS", options.port.toLocal8Bit().constData(), 1);
        paths.portIndex = 0;
    }
    // A picture is taken without anybody to answer a message box.
    const bool unattended = !options.screenshot.isEmpty();
    tz::gui::UnattendedDialogs unattendedDialogs;
    tz::gui::Application program(paths, options.programArguments,
                                 unattended ? &unattendedDialogs : nullptr);
    if (unattendedDialogs.failed()) return 1;
    tz::gui::closeOnTerminationSignals(program.window());
    // A session that ends without closing the window still saves the state.
    QObject::connect(&app, &QGuiApplication::aboutToQuit, &app,
                     [&program] { program.logic().FormClose(); });
    program.show();
    if (options.notifyReady) {
        // The first turn of the event loop: the window is up and the signal
        // handlers are in place.
        QTimer::singleShot(0, &program.window(), [] {
            std::fputs("ready\n", stdout);
            std::fflush(stdout);
        });
    }

    if (unattended) {
        QMainWindow& window = program.window();
        const QString path = options.screenshot;
        QTimer::singleShot(options.screenshotDelayMs, &window, [&window, path, &unattendedDialogs] {
            if (unattendedDialogs.failed()) return;
            const bool saved = tz::gui::saveScreenshot(window, path);
            window.close();
            QApplication::exit(saved && !unattendedDialogs.failed() ? 0 : 1);
        });
    }
    return QApplication::exec();
}
