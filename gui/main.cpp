// The configuration program's window. Until the window's logic is wired in
// it shows a demonstration of the controls.
//
//     tz_arko5 [--screenshot FILE.png]
//
// With --screenshot the program saves a picture of its window as soon as it
// is shown and exits (0 when the file was written).
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

#include "gui/app_look.h"
#include "gui/control_binding.h"
#include "gui/demo_model.h"
#include "gui/qt_services.h"
#include "gui/screenshot.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("TZ_ARKO5"));
    tz::gui::applyApplicationLook();

    QMainWindow window;
    tz::gui::QtWindowHost host(window);
    tz::ui::ControlModel model = tz::gui::demoModel(host.screenWidth(), host.screenHeight());
    tz::gui::DemoLogic logic(model, host);
    tz::gui::ControlBinding binding(model, logic, window);
    window.show();
    binding.start();

    const QStringList args = QApplication::arguments();
    if (const qsizetype at = args.indexOf(QStringLiteral("--screenshot")); at >= 0) {
        const QString path = args.value(at + 1);
        QTimer::singleShot(0, &window, [&window, path] {
            QApplication::exit(tz::gui::saveScreenshot(window, path) ? 0 : 1);
        });
    }
    return QApplication::exec();
}
