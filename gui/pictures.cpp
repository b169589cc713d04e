#include "gui/pictures.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

namespace tz::gui {

namespace {

constexpr int kSize = 16;

void drawNew(QPainter& p) {
    // A sheet with a folded corner and a star over its top-right corner.
    const QPolygonF sheet{{1.5, 3.5}, {7.5, 3.5}, {10.5, 6.5}, {10.5, 15.5}, {1.5, 15.5}};
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPolygon(sheet);
    p.setBrush(QColor(0xC0, 0xC0, 0xC0));
    p.drawPolygon(QPolygonF{{7.5, 3.5}, {7.5, 6.5}, {10.5, 6.5}});
    QPolygonF star;
    const QPointF centre(11.0, 5.0);
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? 5.0 : 2.0;
        const double angle = -M_PI / 2 + i * M_PI / 5;
        star << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    p.setPen(QPen(QColor(0x80, 0x60, 0x00), 0.8));
    p.setBrush(QColor(0xFF, 0xD8, 0x00));
    p.drawPolygon(star);
}

void drawOpen(QPainter& p) {
    // An open folder: the back with its tab, then the front flap tilted open.
    p.setPen(QPen(QColor(0x60, 0x48, 0x00), 1));
    p.setBrush(QColor(0xE0, 0xB0, 0x20));
    p.drawPolygon(
        QPolygonF{{0.5, 3.5}, {5.5, 3.5}, {6.5, 4.5}, {12.5, 4.5}, {12.5, 13.5}, {0.5, 13.5}});
    p.setBrush(QColor(0xFF, 0xE0, 0x40));
    p.drawPolygon(QPolygonF{{3.5, 7.5}, {15.5, 7.5}, {12.5, 13.5}, {0.5, 13.5}});
}

void drawSave(QPainter& p) {
    // A floppy disk: dark body, metal shutter at the top, white label below.
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0x20, 0x30, 0x80));
    p.drawPolygon(QPolygonF{{1.5, 1.5}, {13.5, 1.5}, {14.5, 2.5}, {14.5, 14.5}, {1.5, 14.5}});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC8, 0xC8, 0xC8));
    p.drawRect(QRectF(4, 2, 8, 5));
    p.setBrush(QColor(0x20, 0x30, 0x80));
    p.drawRect(QRectF(9, 3, 2, 3));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3, 9, 10, 5));
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    p.drawLine(QPointF(4, 11.5), QPointF(12, 11.5));
}

void drawPrint(QPainter& p) {
    // A printer: a sheet in the feed, the grey body, a printed sheet in front.
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(0xB0, 0xB0, 0xB0));
    p.drawRect(QRectF(0.5, 6.5, 15, 6));
    p.setBrush(QColor(0x00, 0xC0, 0x00));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(12, 8, 2, 1));
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 10.5, 9, 4));
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    p.drawLine(QPointF(5, 12.5), QPointF(11, 12.5));
}

void drawBentArrow(QPainter& p) {
    // An arrow that comes up on the right, bends over and points to the left.
    QPainterPath shaft;
    shaft.moveTo(12.5, 13.5);
    shaft.lineTo(12.5, 8.0);
    shaft.cubicTo(12.5, 4.5, 10.0, 4.5, 7.0, 4.5);
    p.setPen(QPen(QColor(0x10, 0x40, 0xC0), 2.2, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shaft);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x10, 0x40, 0xC0));
    p.drawPolygon(QPolygonF{{1.5, 4.5}, {7.5, 0.5}, {7.5, 8.5}});
}

}  // namespace

QPixmap drawPicture(std::string_view name) {
    if (name == "redo")
        return QPixmap::fromImage(drawPicture("undo").toImage().mirrored(true, false));
    QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (name == "new") {
        drawNew(p);
    } else if (name == "open") {
        drawOpen(p);
    } else if (name == "save") {
        drawSave(p);
    } else if (name == "print") {
        drawPrint(p);
    } else if (name == "undo") {
        drawBentArrow(p);
    } else {
        return {};
    }
    p.end();
    return QPixmap::fromImage(image);
}

QPixmap greyedPicture(const QPixmap& picture) {
    const QImage source = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    QImage shape(source.size(), QImage::Format_ARGB32);
    QImage shadow(source.size(), QImage::Format_ARGB32);
    shape.fill(Qt::transparent);
    shadow.fill(Qt::transparent);
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QColor c = source.pixelColor(x, y);
            // Dark parts of the picture show as grey lines, light parts vanish,
            // as on an etched disabled button.
            if (c.alpha() < 64 || qGray(c.rgb()) >= 200) continue;
            shape.setPixelColor(x, y, QColor(0x80, 0x80, 0x80));
            if (x + 1 < source.width() && y + 1 < source.height())
                shadow.setPixelColor(x + 1, y + 1, Qt::white);
        }
    }
    QPainter p(&shadow);
    p.drawImage(0, 0, shape);
    p.end();
    return QPixmap::fromImage(shadow);
}

QIcon pictureIcon(std::string_view name) {
    const QPixmap picture = drawPicture(name);
    if (picture.isNull()) return {};
    QIcon icon(picture);
    icon.addPixmap(greyedPicture(picture), QIcon::Disabled);
    return icon;
}

}  // namespace tz::gui
