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

bool unattended = false;

void closeWindow(QMainWindow& window) {
    if (QApplication::activeModalWidget() == nullptr) {
        window.close();
        return;
    }
    // Nobody answers the open dialogs: they close, and then the window,
    // once the code that opened them has gone on, without asking.
    unattended = true;
    for (QWidget* other : QApplication::topLevelWidgets())
        if (other != &window && other->isVisible() && other->isModal()) other->close();
    QTimer::singleShot(0, &window, [&window] { window.close(); });
}

}  // namespace

bool closingUnattended() {
    return unattended;
}

void closeOnTerminationSignals(QMainWindow& window) {
    unattended = false;
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
