#include "gui/unit_marker.h"

#include "gui/app_look.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPolygon>
#include <QWidget>

namespace tz::gui {

namespace {

constexpr int kSize = 7;
const char* const kName = "unitMarker";

// A triangle in a colour that stands out from the window's white, the live
// cell's green and the orange of the time-per-cell shading; the mouse goes
// through it to the control.
class Marker final : public QWidget {
  public:
    explicit Marker(QWidget& parent) : QWidget(&parent) {
        setObjectName(kName);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setGeometry(1, 1, kSize, kSize);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(Qt::NoPen);
        // Edit boxes and combo boxes fill their background with the base
        // colour, other controls show the window's.
        const QWidget& control = *parentWidget();
        const bool box = qobject_cast<const QLineEdit*>(&control) != nullptr ||
                         qobject_cast<const QComboBox*>(&control) != nullptr;
        painter.setBrush(
            readableMark(QColor(0x1E, 0x3C, 0xFF),
                         control.palette().color(box ? QPalette::Base : QPalette::Window)));
        painter.drawPolygon(QPolygon({QPoint(0, 0), QPoint(kSize, 0), QPoint(0, kSize)}));
    }
};

}  // namespace

void showUnitMarker(QWidget& widget, bool marked) {
    auto* marker = widget.findChild<QWidget*>(kName, Qt::FindDirectChildrenOnly);
    if (marker == nullptr) {
        if (!marked) return;
        marker = new Marker(widget);
    }
    marker->setVisible(marked);
    if (marked) marker->raise();
}

}  // namespace tz::gui
