#include "gui/window_frame.h"

#include <QApplication>
#include <QMainWindow>
#include <QScrollArea>
#include <QWheelEvent>
#include <QWindow>

#include "gui/conversions.h"
#include "gui/widget_mirror.h"

namespace tz::gui {

namespace {

// The model's outer window sizes include a border of 4 pixels on each side,
// a caption of 19 and a menu bar of 19 pixels. The Qt window is sized so that
// its client area below the menu bar matches; the real frame is the window
// manager's.
constexpr int kFrameWidth = 8;
constexpr int kFrameHeight = 46;

Modifiers toModifiers(Qt::KeyboardModifiers keys) {
    Modifiers m;
    m.leftShift = keys.testFlag(Qt::ShiftModifier);
    m.leftCtrl = keys.testFlag(Qt::ControlModifier);
    m.alt = keys.testFlag(Qt::AltModifier);
    return m;
}

}  // namespace

WindowFrame::WindowFrame(QMainWindow& window, Hooks hooks)
    : window_(window),
      hooks_(std::move(hooks)),
      scroll_(new QScrollArea(&window)),
      client_(new QWidget) {
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setWidget(client_);
    window_.setCentralWidget(scroll_);
    window_.installEventFilter(this);
    watchWindowHandle();
}

void WindowFrame::mirror(const ui::Control& window) {
    window_.setWindowTitle(toQString(window.caption));
    window_.setFont(toQFont(window.font));
    const QColor background = toQColor(window.colour, QApplication::palette());
    setBackground(*client_, background);
    setBackground(*scroll_->viewport(), background);

    // Only a change of the bounds moves the window, so that other changes
    // (the caption) leave a window the user placed or maximised alone.
    if (window.bounds == placement_) return;
    placement_ = window.bounds;
    place();
}

void WindowFrame::place() {
    placing_ = true;
    window_.move(placement_.left, placement_.top);
    window_.resize(std::max(placement_.width - kFrameWidth, 1),
                   std::max(placement_.height - kFrameHeight, 1) + menuHeight());
    placing_ = false;
}

void WindowFrame::setContentSize(QSize size) {
    client_->setMinimumSize(size);
}

ui::Rect WindowFrame::outerBounds() const {
    return {window_.x(), window_.y(), window_.width() + kFrameWidth,
            window_.height() - menuHeight() + kFrameHeight};
}

int WindowFrame::menuHeight() const {
    const QWidget* menu = window_.menuWidget();
    if (menu == nullptr || !menu->isVisibleTo(&window_)) return 0;
    return window_.isVisible() ? menu->height() : menu->sizeHint().height();
}

void WindowFrame::watchWindowHandle() {
    QWindow* handle = window_.windowHandle();
    if (handle == nullptr || handle == wheelSource_) return;
    // The wheel is taken where it enters the window, before any widget sees
    // it, so that it is reported once however far it propagates.
    handle->installEventFilter(this);
    wheelSource_ = handle;
}

bool WindowFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == wheelSource_ && event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<const QWheelEvent*>(event);
        if (const int delta = wheel->angleDelta().y(); delta != 0)
            hooks_.wheel(delta, toModifiers(wheel->modifiers()));
        return false;
    }
    if (watched != &window_) return false;
    switch (event->type()) {
        case QEvent::Show:
            watchWindowHandle();
            // Now that the menu bar is laid out its real height is known.
            if (!shown_) place();
            shown_ = true;
            break;
        case QEvent::Move:
        case QEvent::Resize:
            // Before it is shown the window only reports what was set.
            if (placing_ || !window_.isVisible()) break;
            placement_ = outerBounds();
            hooks_.placed(placement_);
            break;
        case QEvent::Close:
            if (closed_) break;
            // The answer may come after a nested close (a signal while the
            // user was asked) has closed the window already.
            if (!hooks_.closeRequested() && !closed_) {
                event->ignore();
                return true;
            }
            if (!closed_) {
                closed_ = true;
                hooks_.closing();
            }
            break;
        default:
            break;
    }
    return false;
}

}  // namespace tz::gui
