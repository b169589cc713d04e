// The configuration program's window.
//
//     tz_arko5 [ENGLISH|DEUTSCH|FRANCE|CESKY] [FILE.ign] [--port DEVICE]
//              [--screenshot FILE.png [--after MS]] [--notify-ready]
//
// FILE.ign opens once the window is shown, as the Open command would.
// --port uses the serial device DEVICE as "Com 1" for this run, whatever
// port the settings chose. With --screenshot the program saves a picture of
// its window MS milliseconds after it is shown (300 by default) and closes
// as usual (0 when the file was written). --notify-ready prints "ready" on
// standard output once the window is shown and answers to SIGTERM, for
// scripts and tests that end it from outside.
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "gui/app_identity.h"
#include "gui/app_look.h"
#include "gui/application.h"
#include "gui/screenshot.h"
#include "gui/termination.h"
#include "platform/save_temporaries.h"

namespace {

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
    tz::gui::Application program(paths, options.programArguments);
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

    if (!options.screenshot.isEmpty()) {
        QMainWindow& window = program.window();
        const QString path = options.screenshot;
        QTimer::singleShot(options.screenshotDelayMs, &window, [&window, path] {
            const bool saved = tz::gui::saveScreenshot(window, path);
            window.close();
            QApplication::exit(saved ? 0 : 1);
        });
    }
    return QApplication::exec();
}
