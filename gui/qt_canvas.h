// The graphs' canvas on a QPainter: rectangles, rounded rectangles,
// ellipses and polygons are outlined in the pen and filled with the brush,
// and right and bottom edges are exclusive, as the graphs expect.
#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPen>

#include "canvas/canvas.h"

namespace tz::gui {

class QtCanvas final : public graphs::Canvas {
  public:
    // Paints with the painter on a surface of the given size, typically the
    // graph's QImage, which the canvas widget then shows.
    QtCanvas(QPainter& painter, int width, int height);

    int width() const override { return width_; }
    int height() const override { return height_; }
    void setPen(graphs::Rgb colour, int width) override;
    void setBrush(graphs::Rgb colour) override;
    void setBrushStyle(graphs::BrushStyle style) override;
    void setFont(const graphs::Font& font) override;
    void setClip(const graphs::IntRect& rect) override;
    void fillRect(const graphs::IntRect& rect) override;
    void frameRect(const graphs::IntRect& rect) override;
    void rectangle(const graphs::IntRect& rect) override;
    void roundRect(const graphs::IntRect& rect, int corner) override;
    void ellipse(const graphs::IntRect& rect) override;
    void polygon(std::span<const graphs::Point> points) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void polyline(std::span<const graphs::Point> points) override;
    void textOut(int x, int y, std::string_view text) override;
    int textWidth(std::string_view text) override;
    int textHeight(std::string_view text) override;

  private:
    void applyBrush();

    QPainter& painter_;
    int width_;
    int height_;
    QColor brushColour_;
    bool solidBrush_ = true;
    QColor fontColour_;
    QPoint position_;
};

}  // namespace tz::gui
