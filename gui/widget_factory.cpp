#include "gui/widget_factory.h"

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>

#include "gui/control_widgets.h"
#include "gui/user_input.h"

#include <QMouseEvent>

namespace tz::gui {

namespace {

using ui::ControlId;

QWidget* createEdit(ControlId id, QWidget& parent, UserInput& input, const QObject& receiver) {
    auto* edit = new EditBox(&parent);
    QObject::connect(edit, &QLineEdit::textEdited, &receiver,
                     [id, &input](const QString& text) { input.textEdited(id, text); });
    QObject::connect(edit, &EditBox::keyPressed, &receiver,
                     [id, &input](const KeyPress& key, bool* consumed) {
                         *consumed = input.keyPressed(id, key);
                     });
    QObject::connect(edit, &EditBox::entered, &receiver,
                     [id, &input](FocusCause cause) { input.editEntered(id, cause); });
    QObject::connect(edit, &EditBox::exited, &receiver, [id, &input] { input.editExited(id); });
    return edit;
}

QWidget* createCheckBox(ControlId id, QWidget& parent, UserInput& input, const QObject& receiver) {
    auto* box = new CheckBox(&parent);
    QObject::connect(box, &CheckBox::userToggled, &receiver,
                     [id, &input](bool checked) { input.checkToggled(id, checked); });
    QObject::connect(box, &CheckBox::released, &receiver,
                     [id, &input] { input.checkReleased(id); });
    return box;
}

QWidget* createArrows(ControlId id, const ui::Control& control, QWidget& parent, UserInput& input,
                      const QObject& receiver) {
    auto* arrows = new ArrowPair(&parent);
    if (control.kind == ui::Kind::UpDown) {
        QObject::connect(arrows, &ArrowPair::stepped, &receiver,
                         [id, &input](int direction) { input.upDownStepped(id, direction); });
    } else {
        QObject::connect(arrows, &ArrowPair::stepped, &receiver,
                         [id, &input](int direction) { input.spinClicked(id, direction); });
    }
    return arrows;
}

PointerEvent pointerOf(const QMouseEvent& e) {
    PointerEvent p;
    switch (e.type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            p.type = PointerEvent::Type::Press;
            break;
        case QEvent::MouseButtonRelease:
            p.type = PointerEvent::Type::Release;
            break;
        default:
            p.type = PointerEvent::Type::Move;
    }
    p.button = e.button() == Qt::RightButton    ? PointerEvent::Button::Right
               : e.button() == Qt::MiddleButton ? PointerEvent::Button::Middle
                                                : PointerEvent::Button::Left;
    p.shift = e.modifiers() & Qt::ShiftModifier;
    p.ctrl = e.modifiers() & Qt::ControlModifier;
    p.x = e.position().toPoint().x();
    p.y = e.position().toPoint().y();
    return p;
}

// A drawing surface whose mouse goes to the logic.
QWidget* createCanvas(ControlId id, QWidget& parent, UserInput& input) {
    auto* canvas = new CanvasWidget(&parent);
    canvas->setMouseHook([id, &input](QMouseEvent& e) { input.canvasMouse(id, pointerOf(e)); });
    canvas->setLeaveHook([id, &input] {
        PointerEvent p;
        p.type = PointerEvent::Type::Leave;
        input.canvasMouse(id, p);
    });
    return canvas;
}

QWidget* createTabSheet(QWidget& parent) {
    auto* page = new QWidget;
    if (auto* tabs = qobject_cast<QTabWidget*>(&parent))
        tabs->addTab(page, QString());
    else
        page->setParent(&parent);
    return page;
}

QWidget* createOther(ControlId id, const ui::Control& control, QWidget& parent, UserInput& input,
                     const QObject& receiver) {
    switch (control.kind) {
        case ui::Kind::RadioGroup: {
            auto* group = new RadioGroupBox(&parent);
            QObject::connect(group, &RadioGroupBox::itemClicked, &receiver,
                             [id, &input](int index) { input.radioClicked(id, index); });
            return group;
        }
        case ui::Kind::ComboBox: {
            auto* combo = new QComboBox(&parent);
            QObject::connect(combo, &QComboBox::activated, &receiver,
                             [id, &input](int index) { input.comboActivated(id, index); });
            return combo;
        }
        case ui::Kind::Button:
        case ui::Kind::SpeedButton: {
            QAbstractButton* button = nullptr;
            if (control.kind == ui::Kind::Button) {
                auto* push = new QPushButton(&parent);
                push->setAutoDefault(false);
                button = push;
            } else {
                auto* tool = new QToolButton(&parent);
                tool->setAutoRaise(true);
                tool->setIconSize({16, 16});
                tool->setFocusPolicy(Qt::NoFocus);
                button = tool;
            }
            QObject::connect(button, &QAbstractButton::clicked, &receiver,
                             [id, &input] { input.clicked(id); });
            return button;
        }
        case ui::Kind::TrackBar: {
            auto* slider = new QSlider(Qt::Horizontal, &parent);
            slider->setTickPosition(QSlider::TicksBelow);
            QObject::connect(slider, &QSlider::valueChanged, &receiver,
                             [id, &input](int value) { input.trackBarMoved(id, value); });
            return slider;
        }
        case ui::Kind::PageControl: {
            auto* tabs = new QTabWidget(&parent);
            QObject::connect(tabs, &QTabWidget::currentChanged, &receiver,
                             [id, &input](int index) { input.pageChanged(id, index); });
            return tabs;
        }
        default:
            return nullptr;
    }
}

}  // namespace

QWidget* createWidget(ControlId id, const ui::Control& control, QWidget& parent, UserInput& input,
                      const QObject& receiver) {
    QWidget* widget = nullptr;
    switch (control.kind) {
        case ui::Kind::Label: {
            auto* label = new QLabel(&parent);
            label->setTextFormat(Qt::PlainText);
            widget = label;
            break;
        }
        case ui::Kind::Edit:
            widget = createEdit(id, parent, input, receiver);
            break;
        case ui::Kind::CheckBox:
            widget = createCheckBox(id, parent, input, receiver);
            break;
        case ui::Kind::UpDown:
        case ui::Kind::SpinButton:
            widget = createArrows(id, control, parent, input, receiver);
            break;
        case ui::Kind::GroupBox:
            widget = new QGroupBox(&parent);
            break;
        case ui::Kind::Panel:
        case ui::Kind::Bevel:
            widget = new QFrame(&parent);
            break;
        case ui::Kind::Gauge: {
            auto* bar = new QProgressBar(&parent);
            bar->setFormat(QStringLiteral("%p%"));
            bar->setAlignment(Qt::AlignCenter);
            widget = bar;
            break;
        }
        case ui::Kind::TabSheet:
            widget = createTabSheet(parent);
            break;
        case ui::Kind::Canvas:
            widget = createCanvas(id, parent, input);
            break;
        default:
            widget = createOther(id, control, parent, input, receiver);
    }
    if (widget == nullptr) return nullptr;
    widget->setObjectName(QString::fromStdString(control.name));
    if (control.sendToBack) widget->lower();
    if (control.contextMenu != ui::kNoControl) {
        widget->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(widget, &QWidget::customContextMenuRequested, &receiver,
                         [id, widget, &input](const QPoint& pos) {
                             input.contextMenuRequested(id, widget->mapToGlobal(pos));
                         });
    }
    switch (control.kind) {
        case ui::Kind::Edit:
        case ui::Kind::CheckBox:
        case ui::Kind::ComboBox:
        case ui::Kind::Button:
        case ui::Kind::TrackBar:
        case ui::Kind::PageControl:
            widget->setFocusPolicy(control.tabStop ? Qt::StrongFocus : Qt::ClickFocus);
            break;
        default:
            break;
    }
    return widget;
}

}  // namespace tz::gui
