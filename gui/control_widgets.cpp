#include "gui/control_widgets.h"

#include <QClipboard>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>

namespace tz::gui {

namespace {

QToolButton* arrowButton(QWidget* parent, Qt::ArrowType arrow) {
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setAutoRepeatDelay(400);
    button->setAutoRepeatInterval(80);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

class RadioButton : public QRadioButton {
  public:
    using QRadioButton::QRadioButton;

  protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

}  // namespace

KeyPress keyPressOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers m = event.modifiers();
    KeyPress key(0, m.testFlag(Qt::ShiftModifier), m.testFlag(Qt::ControlModifier),
                 m.testFlag(Qt::AltModifier));
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            key.code = kKeyEnter;
            break;
        case Qt::Key_Escape:
            key.code = kKeyEscape;
            break;
        case Qt::Key_Left:
            key.code = kKeyLeft;
            break;
        case Qt::Key_Up:
            key.code = kKeyUp;
            break;
        case Qt::Key_Right:
            key.code = kKeyRight;
            break;
        case Qt::Key_Down:
            key.code = kKeyDown;
            break;
        default:
            // Ctrl+letter types a control character; the logic hears the letter.
            if (key.ctrl && event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z) {
                key.code = 'a' + (event.key() - Qt::Key_A);
            } else {
                const QString text = event.text();
                key.code = text.isEmpty() ? 0 : text.at(0).unicode();
            }
    }
    return key;
}

ArrowPair::ArrowPair(QWidget* parent)
    : QWidget(parent),
      up_(arrowButton(this, Qt::UpArrow)),
      down_(arrowButton(this, Qt::DownArrow)) {
    setFocusPolicy(Qt::NoFocus);
    connect(up_, &QToolButton::clicked, this, [this] { emit stepped(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { emit stepped(-1); });
}

void ArrowPair::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int upper = height() / 2;
    up_->setGeometry(0, 0, width(), upper);
    down_->setGeometry(0, upper, width(), height() - upper);
}

EditBox::EditBox(QWidget* parent) : QLineEdit(parent) {}

bool EditBox::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool functionKey = key->key() >= Qt::Key_F1 && key->key() <= Qt::Key_F35;
        if (functionKey || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0) {
            // Not overriding: a shortcut that matches wins, any other key
            // still reaches keyPressEvent().
            event->ignore();
            return true;
        }
    }
    return QLineEdit::event(event);
}

void EditBox::keyPressEvent(QKeyEvent* event) {
    if (const KeyPress key = keyPressOf(*event); key.code != 0) {
        bool consumed = false;
        emit keyPressed(key, &consumed);
        if (consumed) {
            event->accept();
            return;
        }
    }
    if (event->matches(QKeySequence::Copy) && !hasSelectedText() && echoMode() == Normal) {
        QGuiApplication::clipboard()->setText(text());
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void EditBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    switch (event->reason()) {
        case Qt::MouseFocusReason:
            emit entered(FocusCause::Mouse);
            break;
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::ShortcutFocusReason:
            emit entered(FocusCause::Keyboard);
            break;
        default:
            emit entered(FocusCause::Other);
    }
}

void EditBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    switch (event->reason()) {
        case Qt::ActiveWindowFocusReason:
        case Qt::PopupFocusReason:
        case Qt::MenuBarFocusReason:
            break;
        default:
            emit exited();
    }
}

CheckBox::CheckBox(QWidget* parent) : QCheckBox(parent) {
    connect(this, &QAbstractButton::clicked, this, [this](bool checked) {
        emit userToggled(checked);
        if (!inMouseRelease_) emit released();
    });
}

void CheckBox::mouseReleaseEvent(QMouseEvent* event) {
    inMouseRelease_ = true;
    QCheckBox::mouseReleaseEvent(event);
    inMouseRelease_ = false;
    emit released();
}

RadioGroupBox::RadioGroupBox(QWidget* parent) : QGroupBox(parent), grid_(new QGridLayout(this)) {
    grid_->setContentsMargins(8, 0, 4, 2);
    grid_->setSpacing(0);
    connect(&group_, &QButtonGroup::idClicked, this, &RadioGroupBox::itemClicked);
}

void RadioGroupBox::setItems(const QStringList& items, int columns) {
    columns = std::max(columns, 1);
    if (items.size() != count() || columns != columns_) {
        for (QAbstractButton* old : group_.buttons()) {
            group_.removeButton(old);
            delete old;
        }
        const int rows = std::max(1, static_cast<int>((items.size() + columns - 1) / columns));
        for (int i = 0; i < items.size(); ++i) {
            auto* button = new RadioButton(this);
            group_.addButton(button, i);
            grid_->addWidget(button, i % rows, i / rows);
        }
        for (int r = 0; r < grid_->rowCount(); ++r) grid_->setRowStretch(r, r < rows ? 1 : 0);
        for (int c = 0; c < grid_->columnCount(); ++c)
            grid_->setColumnStretch(c, c < columns ? 1 : 0);
        columns_ = columns;
    }
    for (int i = 0; i < items.size(); ++i) group_.button(i)->setText(items[i]);
}

void RadioGroupBox::setCurrent(int index) {
    if (QAbstractButton* button = group_.button(index)) {
        button->setChecked(true);
    } else if (QAbstractButton* checked = group_.checkedButton()) {
        group_.setExclusive(false);
        checked->setChecked(false);
        group_.setExclusive(true);
    }
}

CanvasWidget::CanvasWidget(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!paint_) return;
    QPainter painter(this);
    paint_(painter);
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
    forward(event);
}
void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
    forward(event);
}
void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
    forward(event);
}

void CanvasWidget::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (leave_) leave_();
}

void CanvasWidget::forward(QMouseEvent* event) {
    if (mouse_)
        mouse_(*event);
    else
        event->ignore();
}

}  // namespace tz::gui
