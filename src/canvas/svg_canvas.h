// A canvas that writes the picture as an SVG document, so that pictures the
// program draws can be saved as files any browser or image tool shows. Text
// is measured with a width per character proportional to the font height,
// as no font is at hand; groups become <g class="name"> elements.
#pragma once

#include <string>
#include <vector>

#include "canvas/canvas.h"

namespace tz::graphs {

class SvgCanvas final : public Canvas {
  public:
    SvgCanvas(int width, int height);

    // The whole document: the XML declaration, the <svg> element with what
    // was drawn so far, and its end. Groups left open are closed.
    std::string document() const;

    int width() const override { return width_; }
    int height() const override { return height_; }
    void setPen(Rgb colour, int width) override;
    void setBrush(Rgb colour) override;
    void setBrushStyle(BrushStyle style) override { solidBrush_ = style == BrushStyle::Solid; }
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
    void polyline(std::span<const Point> points) override;
    void textOut(int x, int y, std::string_view text) override;
    int textWidth(std::string_view text) override;
    int textHeight(std::string_view text) override;
    void beginGroup(std::string_view name) override;
    void endGroup() override;

  private:
    // The attributes every element shares: the fill, the stroke and the clip.
    void paint(bool fill, bool stroke);
    void points(std::span<const Point> points);
    void outline(const IntRect& rect, int corner);

    int width_;
    int height_;
    Rgb pen_ = colour::kBlack;
    int penWidth_ = 1;
    Rgb brush_ = colour::kWhite;
    bool solidBrush_ = true;
    Font font_;
    Point position_;
    int clip_ = 0;  // the clip path in force, 0 for none
    int openGroups_ = 0;
    std::string defs_;
    std::string body_;
};

}  // namespace tz::graphs
