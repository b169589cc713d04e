// A drawing surface as the graphs see it: the few primitives they paint
// with, in integer pixels, with colours as RGB values. A toolkit provides
// the real surface; tests record the calls.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace tz::graphs {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    bool operator==(const Rgb&) const = default;
};

// 0xRRGGBB as written in colour tables.
constexpr Rgb rgb(std::uint32_t hex) {
    return {static_cast<std::uint8_t>(hex >> 16), static_cast<std::uint8_t>(hex >> 8),
            static_cast<std::uint8_t>(hex)};
}

namespace colour {
inline constexpr Rgb kBlack = rgb(0x000000);
inline constexpr Rgb kWhite = rgb(0xFFFFFF);
inline constexpr Rgb kRed = rgb(0xFF0000);
inline constexpr Rgb kYellow = rgb(0xFFFF00);
inline constexpr Rgb kLime = rgb(0x00FF00);
inline constexpr Rgb kBlue = rgb(0x0000FF);
inline constexpr Rgb kDarkGreen = rgb(0x008000);
inline constexpr Rgb kGrey = rgb(0x808080);
inline constexpr Rgb kSilver = rgb(0xC0C0C0);
inline constexpr Rgb kLightGrey = rgb(0xE0E0E0);
inline constexpr Rgb kCream = rgb(0xFFFBF0);
inline constexpr Rgb kLightBlue = rgb(0x8888FF);
}  // namespace colour

struct Point {
    int x = 0;
    int y = 0;

    bool operator==(const Point&) const = default;
};

// Right and bottom are exclusive: the rectangle covers the pixels from
// left to right - 1 and from top to bottom - 1.
struct IntRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const IntRect&) const = default;
};

enum class BrushStyle : std::uint8_t { Solid, Clear };

struct Font {
    int pixelHeight = 11;
    bool bold = false;
    Rgb colour = colour::kBlack;

    bool operator==(const Font&) const = default;
};

class Canvas {
  public:
    virtual ~Canvas() = default;

    virtual int width() const = 0;
    virtual int height() const = 0;

    // Drawing state. Setting a brush colour makes the brush solid.
    virtual void setPen(Rgb colour, int width = 1) = 0;
    virtual void setBrush(Rgb colour) = 0;
    virtual void setBrushStyle(BrushStyle style) = 0;
    virtual void setFont(const Font& font) = 0;
    // Nothing is painted outside the rectangle.
    virtual void setClip(const IntRect& rect) = 0;

    // The rectangle filled with the brush, no outline.
    virtual void fillRect(const IntRect& rect) = 0;
    // The rectangle's outline in the pen, nothing filled.
    virtual void frameRect(const IntRect& rect) = 0;
    // Outlined in the pen and, with a solid brush, filled with the brush; so
    // are the rounded rectangle, the ellipse and the polygon.
    virtual void rectangle(const IntRect& rect) = 0;
    virtual void roundRect(const IntRect& rect, int corner) = 0;
    virtual void ellipse(const IntRect& rect) = 0;
    virtual void polygon(std::span<const Point> points) = 0;

    // A line in the pen from the current position, which it then becomes.
    virtual void moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0;
    // Connected lines in the pen through the points, which the last one ends
    // as the current position. Surfaces that draw a whole trace faster in one
    // call (or keep it as one element) override it.
    virtual void polyline(std::span<const Point> points) {
        if (points.empty()) return;
        moveTo(points.front().x, points.front().y);
        for (const Point& p : points.subspan(1)) lineTo(p.x, p.y);
    }

    // Text with its top-left corner at (x, y), on the brush colour when the
    // brush is solid and transparent when it is clear.
    virtual void textOut(int x, int y, std::string_view text) = 0;
    virtual int textWidth(std::string_view text) = 0;
    virtual int textHeight(std::string_view text) = 0;

    // What is drawn until the matching endGroup() forms one named part of the
    // picture (a lobe, a channel's trace); files keep the name, a screen
    // ignores it. Groups nest.
    virtual void beginGroup(std::string_view name) { static_cast<void>(name); }
    virtual void endGroup() {}

    void line(int x1, int y1, int x2, int y2) {
        moveTo(x1, y1);
        lineTo(x2, y2);
    }
};

}  // namespace tz::graphs
