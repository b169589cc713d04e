// The main window as the model's Window control: its caption, background
// and outer bounds, a scrolled client area that holds the controls, and the
// window-wide events: closing, the mouse wheel, moves and resizes.
#pragma once

#include <QObject>
#include <QPointer>
#include <QSize>
#include <functional>

#include "controls/control.h"
#include "presenter/services.h"

class QMainWindow;
class QScrollArea;
class QWindow;

namespace tz::gui {

class WindowFrame : public QObject {
  public:
    struct Hooks {
        // Once, when the window is about to close by any means.
        std::function<void()> closing;
        std::function<void(int delta, Modifiers modifiers)> wheel;
        // The window was moved or resized; the outer bounds as the model
        // counts them.
        std::function<void(ui::Rect outer)> placed;
        // The window is asked to close; false keeps it open.
        std::function<bool()> closeRequested;
    };

    WindowFrame(QMainWindow& window, Hooks hooks);

    // The widget the window's controls are placed in.
    QWidget& client() const { return *client_; }
    // Caption, font, background and outer bounds.
    void mirror(const ui::Control& window);
    // The client area scrolls when the window is smaller than this.
    void setContentSize(QSize size);
    // The window's bounds in the model's terms: the outer size of a window
    // whose client area is as large as this one's.
    ui::Rect outerBounds() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The height of the menu bar: as laid out once the window is shown, as
    // it asks for before.
    int menuHeight() const;
    void place();
    void watchWindowHandle();

    QMainWindow& window_;
    Hooks hooks_;
    QScrollArea* scroll_;
    QWidget* client_;
    QPointer<QWindow> wheelSource_;
    ui::Rect placement_;  // the outer bounds as last placed by the model or the user
    bool closed_ = false;
    bool placing_ = false;
    bool shown_ = false;
};

}  // namespace tz::gui
