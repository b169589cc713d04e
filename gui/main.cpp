// The configuration program's window.
//
//     tz_arko5 [ENGLISH|DEUTSCH|FRANCE|CESKY] [--screenshot FILE.png [--after MS]]
//
// With --screenshot the program saves a picture of its window MS
// milliseconds after it is shown (300 by default) and closes as usual (0
// when the file was written).
#include <QApplication>
#include <QTimer>

#include "gui/app_look.h"
#include "gui/application.h"
#include "gui/screenshot.h"

namespace {

std::vector<std::string> programArguments() {
    std::vector<std::string> args;
    const QStringList all = QApplication::arguments();
    for (qsizetype i = 1; i < all.size(); ++i) {
        if (all[i] == QStringLiteral("--screenshot") || all[i] == QStringLiteral("--after")) {
            ++i;
            continue;
        }
        args.push_back(all[i].toStdString());
    }
    return args;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("TZ_ARKO5"));
    tz::gui::applyApplicationLook();

    tz::gui::Application program(tz::gui::defaultPaths(), programArguments());
    program.show();

    const QStringList args = QApplication::arguments();
    if (const qsizetype at = args.indexOf(QStringLiteral("--screenshot")); at >= 0) {
        const QString path = args.value(at + 1);
        const qsizetype after = args.indexOf(QStringLiteral("--after"));
        // A few ticks first, so that the graphs have drawn themselves.
        const int delayMs = after >= 0 ? args.value(after + 1).toInt() : 300;
        QMainWindow& window = program.window();
        QTimer::singleShot(delayMs, &window, [&window, path] {
            const bool saved = tz::gui::saveScreenshot(window, path);
            window.close();
            QApplication::exit(saved ? 0 : 1);
        });
    }
    return QApplication::exec();
}
