// Widgets for the controls that Qt has no direct counterpart for, and small
// extensions of Qt widgets that report what the window's logic needs to see.
#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QStringList>
#include <QToolButton>
#include <QWidget>
#include <functional>

#include "presenter/ui_events.h"

class QGridLayout;
class QRadioButton;

namespace tz::gui {

// Two stacked arrow buttons with auto-repeat: the buttons of an up/down
// control and of a spin button. Neither takes the keyboard focus.
class ArrowPair : public QWidget {
    Q_OBJECT
  public:
    explicit ArrowPair(QWidget* parent);
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

  signals:
    // +1 for the upper button, -1 for the lower one.
    void stepped(int direction);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QToolButton* up_;
    QToolButton* down_;
};

// An edit box that offers every key press to its owner before handling it
// and reports when the user's focus comes to it and leaves it. Copying with
// no text selected copies the whole text.
class EditBox : public QLineEdit {
    Q_OBJECT
  public:
    explicit EditBox(QWidget* parent);

  signals:
    // The key as the logic counts it (ui_events.h): its character, Enter,
    // Escape or an arrow, with the modifiers held. A receiver sets
    // `consumed` to keep the key from the edit box.
    void keyPressed(const tz::KeyPress& key, bool* consumed);
    // The focus came to the edit box.
    void entered(tz::FocusCause cause);
    // The focus moved to another control of the window (not merely to
    // another window or a popup).
    void exited();

  protected:
    // Keys with Ctrl or Alt and function keys go to the window's shortcuts
    // first (Ctrl+Z is the menu's undo, not the edit box's own).
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// A key press as the logic counts it; code 0 for a key it is not told of.
tz::KeyPress keyPressOf(const QKeyEvent& event);

// A check box that reports the user's toggle and, after it, the end of the
// gesture: the release of a mouse button, or the toggle itself when it came
// from the keyboard.
class CheckBox : public QCheckBox {
    Q_OBJECT
  public:
    explicit CheckBox(QWidget* parent);

  signals:
    void userToggled(bool checked);
    void released();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The whole box answers the mouse, not only the mark and the text.
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

  private:
    bool inMouseRelease_ = false;
};

// A framed group of radio buttons arranged in columns, filled column by
// column like a newspaper. Each button answers the mouse over its whole cell.
class RadioGroupBox : public QGroupBox {
    Q_OBJECT
  public:
    explicit RadioGroupBox(QWidget* parent);
    // Rebuilds the buttons when their number or the columns change, else
    // only renames them.
    void setItems(const QStringList& items, int columns);
    // -1 checks none.
    void setCurrent(int index);
    int count() const { return static_cast<int>(group_.buttons().size()); }
    QAbstractButton* button(int index) const { return group_.button(index); }

  signals:
    void itemClicked(int index);

  private:
    QButtonGroup group_;
    QGridLayout* grid_;
    int columns_ = 0;
};

// A drawing surface whose painting and mouse input are left to hooks that
// the owner of its content installs.
class CanvasWidget : public QWidget {
  public:
    using PaintHook = std::function<void(QPainter&)>;
    using MouseHook = std::function<void(QMouseEvent&)>;

    explicit CanvasWidget(QWidget* parent);
    void setPaintHook(PaintHook hook) { paint_ = std::move(hook); }
    // Receives presses, releases and moves (also without a button held).
    void setMouseHook(MouseHook hook) { mouse_ = std::move(hook); }
    // The mouse left the surface.
    void setLeaveHook(std::function<void()> hook) { leave_ = std::move(hook); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void forward(QMouseEvent* event);
    PaintHook paint_;
    MouseHook mouse_;
    std::function<void()> leave_;
};

}  // namespace tz::gui
