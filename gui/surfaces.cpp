#include "gui/surfaces.h"

#include <QCursor>
#include <QPainter>

#include "gui/control_binding.h"
#include "gui/control_widgets.h"
#include "gui/qt_canvas.h"

namespace tz::gui {

void QtSurfaces::paint(ui::ControlId surface, const std::function<void(graphs::Canvas&)>& draw) {
    ControlBinding* binding = binding_();
    CanvasWidget* widget = binding ? binding->canvas(surface) : nullptr;
    if (!widget || widget->width() <= 0 || widget->height() <= 0) return;
    QImage& picture = pictures_[surface];
    if (picture.size() != widget->size()) {
        picture = QImage(widget->size(), QImage::Format_ARGB32_Premultiplied);
        widget->setPaintHook(
            [this, surface](QPainter& painter) { painter.drawImage(0, 0, pictures_[surface]); });
    }
    QPainter painter(&picture);
    QtCanvas canvas(painter, picture.width(), picture.height());
    draw(canvas);
    painter.end();
    widget->update();
}

void QtSurfaces::movePointer(ui::ControlId surface, int x, int y) {
    ControlBinding* binding = binding_();
    if (CanvasWidget* widget = binding ? binding->canvas(surface) : nullptr)
        QCursor::setPos(widget->mapToGlobal(QPoint(x, y)));
}

}  // namespace tz::gui
