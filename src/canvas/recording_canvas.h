// A canvas that paints nothing and records every drawing call with the pen,
// brush and font in force, for tests and benchmarks. Text is measured with
// a fixed width per character.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "canvas/canvas.h"

namespace tz::graphs {

enum class DrawOp : std::uint8_t {
    Clip,
    FillRect,
    FrameRect,
    Rectangle,
    RoundRect,
    Ellipse,
    Polygon,
    Line,
    Polyline,
    Text,
    BeginGroup,  // text: the group's name
    EndGroup,
};

struct DrawCall {
    DrawOp op = DrawOp::Line;
    IntRect rect;               // rectangles, ellipses and the clip
    std::vector<Point> points;  // polygons and polylines; a line's two ends; a text's corner
    int corner = 0;             // rounded rectangles
    std::string text;
    Rgb pen;
    int penWidth = 1;
    Rgb brush;
    BrushStyle brushStyle = BrushStyle::Solid;
    Font font;
};

class RecordingCanvas final : public Canvas {
  public:
    static constexpr int kCharWidth = 6;
    static constexpr int kTextHeight = 13;

    RecordingCanvas(int width, int height) : width_(width), height_(height) {}

    const std::vector<DrawCall>& calls() const { return calls_; }
    std::size_t count(DrawOp op) const;
    // The texts written, in order.
    std::vector<std::string> texts() const;
    void clear() { calls_.clear(); }

    int width() const override { return width_; }
    int height() const override { return height_; }
    void setPen(Rgb colour, int width) override;
    void setBrush(Rgb colour) override;
    void setBrushStyle(BrushStyle style) override { brushStyle_ = style; }
    void setFont(const Font& font) override { font_ = font; }
    void setClip(const IntRect& rect) override;
    void fillRect(const IntRect& rect) override;
    void frameRect(const IntRect& rect) override;
    void rectangle(const IntRect& rect) override;
    void roundRect(const IntRect& rect, int corner) override;
    void ellipse(const IntRect& rect) override;
    void polygon(std::span<const Point> points) override;
    void moveTo(int x, int y) override { position_ = {x, y}; }
    void lineTo(int x, int y) override;
    void textOut(int x, int y, std::string_view text) override;
    int textWidth(std::string_view text) override;
    int textHeight(std::string_view text) override;
    void polyline(std::span<const Point> points) override;
    void beginGroup(std::string_view name) override;
    void endGroup() override;

  private:
    DrawCall& record(DrawOp op);

    int width_;
    int height_;
    Rgb pen_ = colour::kBlack;
    int penWidth_ = 1;
    Rgb brush_ = colour::kWhite;
    BrushStyle brushStyle_ = BrushStyle::Solid;
    Font font_;
    Point position_;
    std::vector<DrawCall> calls_;
};

}  // namespace tz::graphs
