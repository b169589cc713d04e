#include "gui/widget_mirror.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabWidget>

#include "gui/access_keys.h"
#include "gui/app_look.h"
#include "gui/control_widgets.h"
#include "gui/conversions.h"
#include "gui/pictures.h"
#include "gui/unit_marker.h"

namespace tz::gui {

namespace {

QColor colourOf(ui::Colour colour) {
    return toQColor(colour, QApplication::palette());
}

QStringList toStringList(const std::vector<std::string>& items) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(items.size()));
    for (const std::string& item : items) list.append(toQString(item));
    return list;
}

// The colour a control's text stands on: its own where it fills its
// background; none for a control that shows its parent's.
std::optional<QColor> textBackground(const ui::Control& c) {
    switch (c.kind) {
        case ui::Kind::Edit:
        case ui::Kind::ComboBox:
            return colourOf(c.colour);
        case ui::Kind::Label:
            if (!c.transparent) return colourOf(c.colour);
            break;
        case ui::Kind::Button:
            return QApplication::palette().color(QPalette::Active, QPalette::Button);
        default:
            if (c.colour != ui::Colour::ButtonFace) return colourOf(c.colour);
            break;
    }
    return std::nullopt;
}

// A text colour readable on the control's background; on a parent's, which
// may be the window's or the button face's colour, readable on both.
QColor readableTextOf(const ui::Control& c) {
    const QColor wanted = colourOf(c.fontColour);
    if (const std::optional<QColor> own = textBackground(c)) return readableText(wanted, *own);
    const QPalette& palette = QApplication::palette();
    return readableText(readableText(wanted, palette.color(QPalette::Active, QPalette::Window)),
                        palette.color(QPalette::Active, QPalette::Button));
}

// Disabled text keeps the style's grey.
void setTextColour(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, colour);
        palette.setColor(group, QPalette::Text, colour);
        palette.setColor(group, QPalette::ButtonText, colour);
    }
    widget.setPalette(palette);
}

void setRoleColour(QWidget& widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Active, role, colour);
    palette.setColor(QPalette::Inactive, role, colour);
    widget.setPalette(palette);
}

// Containers and check boxes in the button-face colour show their parent's
// background, as the window turns white for printing.
void setOwnBackground(QWidget& widget, ui::Colour colour) {
    setBackground(
        widget, colour == ui::Colour::ButtonFace ? std::nullopt : std::optional(colourOf(colour)));
}

void mirrorLabel(const ui::Control& c, QLabel& label) {
    label.setText(withoutAccessKeys(c.caption));
    label.setAlignment(toQtAlignment(c.alignment) | Qt::AlignTop);
    label.setWordWrap(c.wordWrap);
    setBackground(label, c.transparent ? std::nullopt : std::optional(colourOf(c.colour)));
    QRect bounds = toQRect(c.bounds);
    if (c.autoSize) {
        // The text decides the size; a right-aligned label keeps its right
        // edge, a centred one its centre.
        const int width = c.wordWrap ? bounds.width() : label.sizeHint().width();
        const int height = c.wordWrap ? label.heightForWidth(width) : label.sizeHint().height();
        if (c.alignment == ui::Align::Right)
            bounds.setLeft(bounds.right() + 1 - width);
        else if (c.alignment == ui::Align::Center)
            bounds.setLeft(bounds.left() + (bounds.width() - width) / 2);
        bounds.setSize({width, height});
    }
    label.setGeometry(bounds);
}

void mirrorEdit(const ui::Control& c, QLineEdit& edit) {
    const QString text = toQString(c.caption);
    if (edit.text() != text) {
        const int cursor = edit.cursorPosition();
        edit.setText(text);
        if (edit.hasFocus())
            edit.setCursorPosition(std::min(cursor, static_cast<int>(text.size())));
    }
    edit.setAlignment(toQtAlignment(c.alignment) | Qt::AlignVCenter);
    setRoleColour(edit, QPalette::Base, colourOf(c.colour));
}

void mirrorCombo(const ui::Control& c, QComboBox& combo) {
    const QStringList items = toStringList(c.items);
    QStringList shown;
    for (int i = 0; i < combo.count(); ++i) shown.append(combo.itemText(i));
    if (shown != items) {
        combo.clear();
        combo.addItems(items);
    }
    combo.setCurrentIndex(c.itemIndex);
    setRoleColour(combo, QPalette::Base, colourOf(c.colour));
    setRoleColour(combo, QPalette::Button, colourOf(c.colour));
}

void mirrorTabSheet(const ui::Control& c, QWidget& page, const AccessKeys& keys) {
    setOwnBackground(page, c.colour);
    // The page sits in the tab widget's stack.
    QWidget* stack = page.parentWidget();
    auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
    if (tabs == nullptr) return;
    const int index = tabs->indexOf(&page);
    tabs->setTabText(index, keys.controlText(c.caption));
    tabs->setTabVisible(index, c.visible && c.tabVisible);
    tabs->setTabEnabled(index, c.enabled);
}

void mirrorBevel(const ui::Control& c, QFrame& frame) {
    if (c.bounds.height <= 4)
        frame.setFrameShape(QFrame::HLine);
    else if (c.bounds.width <= 4)
        frame.setFrameShape(QFrame::VLine);
    else
        frame.setFrameShape(QFrame::Box);
    frame.setFrameShadow(QFrame::Sunken);
}

void mirrorGauge(const ui::Control& c, QProgressBar& bar) {
    bar.setRange(0, std::max(c.max, 1));
    bar.setValue(std::clamp(c.position, 0, std::max(c.max, 1)));
    bar.setTextVisible(c.showText);
    setRoleColour(bar, QPalette::Highlight, colourOf(c.barColour));
    setRoleColour(bar, QPalette::Base, colourOf(c.colour));
}

void mirrorTrackBar(const ui::Control& c, QSlider& slider) {
    slider.setRange(c.min, c.max);
    slider.setValue(c.position);
    slider.setTickInterval(c.tickStep);
    slider.setTickPosition(c.tickStep > 0 ? QSlider::TicksBelow : QSlider::NoTicks);
}

void mirrorSpeedButton(const ui::Control& c, QToolButton& button, const AccessKeys& keys) {
    const QString picture = QString::fromStdString(c.picture);
    if (button.property("picture").toString() != picture || button.icon().isNull()) {
        button.setIcon(pictureIcon(c.picture));
        button.setProperty("picture", picture);
    }
    button.setText(keys.controlText(c.caption));
    button.setToolButtonStyle(button.icon().isNull() ? Qt::ToolButtonTextOnly
                                                     : Qt::ToolButtonIconOnly);
}

QStringList itemTexts(const std::vector<std::string>& items, const AccessKeys& keys) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(items.size()));
    for (const std::string& item : items) list.append(keys.controlText(item));
    return list;
}

void mirrorKind(const ui::Control& c, QWidget& widget, const AccessKeys& keys) {
    switch (c.kind) {
        case ui::Kind::Label:
            mirrorLabel(c, static_cast<QLabel&>(widget));
            break;
        case ui::Kind::Edit:
            mirrorEdit(c, static_cast<QLineEdit&>(widget));
            break;
        case ui::Kind::CheckBox: {
            auto& box = static_cast<QCheckBox&>(widget);
            box.setText(keys.controlText(c.caption));
            box.setChecked(c.checked);
            setOwnBackground(box, c.colour);
            break;
        }
        case ui::Kind::RadioGroup: {
            auto& group = static_cast<RadioGroupBox&>(widget);
            group.setTitle(keys.controlText(c.caption));
            group.setItems(itemTexts(c.items, keys), c.columns);
            group.setCurrent(c.itemIndex);
            setOwnBackground(group, c.colour);
            break;
        }
        case ui::Kind::ComboBox:
            mirrorCombo(c, static_cast<QComboBox&>(widget));
            break;
        case ui::Kind::GroupBox:
            static_cast<QGroupBox&>(widget).setTitle(keys.controlText(c.caption));
            setOwnBackground(widget, c.colour);
            break;
        case ui::Kind::Panel:
            static_cast<QFrame&>(widget).setFrameShape(QFrame::NoFrame);
            setOwnBackground(widget, c.colour);
            break;
        case ui::Kind::Button:
            static_cast<QPushButton&>(widget).setText(keys.controlText(c.caption));
            break;
        case ui::Kind::SpeedButton:
            mirrorSpeedButton(c, static_cast<QToolButton&>(widget), keys);
            break;
        case ui::Kind::Gauge:
            mirrorGauge(c, static_cast<QProgressBar&>(widget));
            break;
        case ui::Kind::TrackBar:
            mirrorTrackBar(c, static_cast<QSlider&>(widget));
            break;
        case ui::Kind::PageControl: {
            auto& tabs = static_cast<QTabWidget&>(widget);
            if (c.itemIndex >= 0 && c.itemIndex < tabs.count()) tabs.setCurrentIndex(c.itemIndex);
            break;
        }
        case ui::Kind::TabSheet:
            mirrorTabSheet(c, widget, keys);
            break;
        case ui::Kind::Bevel:
            mirrorBevel(c, static_cast<QFrame&>(widget));
            break;
        case ui::Kind::Canvas:
            setBackground(widget, colourOf(c.colour));
            widget.update();
            break;
        case ui::Kind::UpDown:
        case ui::Kind::SpinButton: {
            auto& arrows = static_cast<ArrowPair&>(widget);
            arrows.upButton()->setAccessibleName(toQString(c.spokenName.up));
            arrows.downButton()->setAccessibleName(toQString(c.spokenName.down));
            break;
        }
        default:
            break;
    }
}

}  // namespace

void setBackground(QWidget& widget, std::optional<QColor> colour) {
    widget.setAutoFillBackground(colour.has_value());
    if (!colour) return;
    QPalette palette = widget.palette();
    palette.setColor(widget.backgroundRole(), *colour);
    widget.setPalette(palette);
}

void mirrorWidget(const ui::Control& c, QWidget& widget, const AccessKeys& keys) {
    const QSignalBlocker blocker(&widget);
    widget.setFont(toQFont(c.font));
    setTextColour(widget, readableTextOf(c));
    widget.setToolTip(c.showHint ? toQString(shortHint(c.hint)) : QString());
    widget.setEnabled(c.enabled);
    widget.setAccessibleName(toQString(c.spokenName.name));
    if (c.kind != ui::Kind::Label && c.kind != ui::Kind::TabSheet)
        widget.setGeometry(toQRect(c.bounds));
    mirrorKind(c, widget, keys);
    showUnitMarker(widget, c.marked);
    if (c.kind != ui::Kind::TabSheet) widget.setVisible(c.visible);
}

}  // namespace tz::gui
