#include "gui/termination.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QApplication>
#include <QMainWindow>
#include <QSocketNotifier>
#include <QTimer>

namespace tz::gui {

namespace {

// The signal handler only writes a byte; the GUI thread does the rest.
int signalPipe[2] = {-1, -1};

void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &byte, 1);
}

void closeWindow(QMainWindow& window) {
    window.close();
    // Dialogs that were open would keep the program running behind the
    // closed window: they close too.
    if (window.isVisible()) return;
    for (QWidget* other : QApplication::topLevelWidgets())
        if (other != &window && other->isVisible() && other->isModal()) other->close();
}

}  // namespace

void closeOnTerminationSignals(QMainWindow& window) {
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
        char byte;
        while (::read(signalPipe[0], &byte, 1) > 0) {
        }
        // Closing may ask the user: the notifier, which stays silent until
        // this returns, must hear a second signal meanwhile.
        QTimer::singleShot(0, &window, [&window] { closeWindow(window); });
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    ::sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
}

}  // namespace tz::gui
