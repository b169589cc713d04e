#include "gui/qt_canvas.h"

#include <QFontMetrics>
#include <QPolygon>
#include <QString>
#include <vector>

namespace tz::gui {

namespace {

QColor toColour(graphs::Rgb c) {
    return QColor(c.r, c.g, c.b);
}

QString toText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The outline of an exclusive rectangle: Qt strokes one pixel beyond a
// QRect's size, so the rectangle is one pixel smaller on each axis.
QRect outline(const graphs::IntRect& r) {
    return {r.left, r.top, r.right - r.left - 1, r.bottom - r.top - 1};
}

}  // namespace

QtCanvas::QtCanvas(QPainter& painter, int width, int height)
    : painter_(painter),
      width_(width),
      height_(height),
      brushColour_(Qt::white),
      fontColour_(Qt::black) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setPen(QPen(Qt::black, 1));
    applyBrush();
}

void QtCanvas::applyBrush() {
    painter_.setBrush(solidBrush_ ? QBrush(brushColour_) : QBrush(Qt::NoBrush));
}

void QtCanvas::setPen(graphs::Rgb colour, int width) {
    painter_.setPen(QPen(toColour(colour), width));
}

void QtCanvas::setBrush(graphs::Rgb colour) {
    brushColour_ = toColour(colour);
    solidBrush_ = true;
    applyBrush();
}

void QtCanvas::setBrushStyle(graphs::BrushStyle style) {
    solidBrush_ = style == graphs::BrushStyle::Solid;
    applyBrush();
}

void QtCanvas::setFont(const graphs::Font& font) {
    QFont f = painter_.font();
    f.setPixelSize(font.pixelHeight);
    f.setBold(font.bold);
    painter_.setFont(f);
    fontColour_ = toColour(font.colour);
}

void QtCanvas::setClip(const graphs::IntRect& r) {
    painter_.setClipRect(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top));
}

void QtCanvas::fillRect(const graphs::IntRect& r) {
    if (!solidBrush_) return;
    painter_.fillRect(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top), brushColour_);
}

void QtCanvas::frameRect(const graphs::IntRect& r) {
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(outline(r));
    applyBrush();
}

void QtCanvas::rectangle(const graphs::IntRect& r) {
    painter_.drawRect(outline(r));
}

void QtCanvas::roundRect(const graphs::IntRect& r, int corner) {
    painter_.drawRoundedRect(outline(r), corner / 2.0, corner / 2.0);
}

void QtCanvas::ellipse(const graphs::IntRect& r) {
    painter_.drawEllipse(outline(r));
}

void QtCanvas::polygon(std::span<const graphs::Point> points) {
    QPolygon poly(static_cast<qsizetype>(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i)
        poly.setPoint(static_cast<int>(i), points[i].x, points[i].y);
    painter_.drawPolygon(poly);
}

void QtCanvas::moveTo(int x, int y) {
    position_ = {x, y};
}

void QtCanvas::lineTo(int x, int y) {
    painter_.drawLine(position_, QPoint(x, y));
    position_ = {x, y};
}

void QtCanvas::polyline(std::span<const graphs::Point> points) {
    if (points.empty()) return;
    QPolygon line(static_cast<qsizetype>(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i)
        line.setPoint(static_cast<int>(i), points[i].x, points[i].y);
    painter_.drawPolyline(line);
    position_ = {points.back().x, points.back().y};
}

void QtCanvas::textOut(int x, int y, std::string_view text) {
    const QString s = toText(text);
    const QFontMetrics metrics(painter_.font());
    const QRect box(x, y, metrics.horizontalAdvance(s), metrics.height());
    if (solidBrush_) painter_.fillRect(box, brushColour_);
    const QPen pen = painter_.pen();
    painter_.setPen(fontColour_);
    painter_.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, s);
    painter_.setPen(pen);
}

int QtCanvas::textWidth(std::string_view text) {
    return QFontMetrics(painter_.font()).horizontalAdvance(toText(text));
}

int QtCanvas::textHeight(std::string_view text) {
    return QFontMetrics(painter_.font()).boundingRect(toText(text)).height();
}

}  // namespace tz::gui
