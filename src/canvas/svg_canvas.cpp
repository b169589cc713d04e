#include "canvas/svg_canvas.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace tz::graphs {

namespace {

void append(std::string& out, int value) {
    std::array<char, 16> digits{};
    const auto [end, ec] = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    out.append(digits.data(), end);
}

// Strokes of odd width sit on pixel centres, so that a one-pixel line covers
// one pixel as it does on the screen.
void appendStroked(std::string& out, int value, int penWidth) {
    append(out, value);
    if (penWidth % 2 == 1) out += ".5";
}

void appendColour(std::string& out, Rgb c) {
    static constexpr std::string_view kHex = "0123456789abcdef";
    out += '#';
    for (std::uint8_t v : {c.r, c.g, c.b}) {
        out += kHex[v >> 4];
        out += kHex[v & 0xF];
    }
}

// Text and names as XML character data: markup characters escaped, control
// characters that XML 1.0 cannot hold left out.
void appendEscaped(std::string& out, std::string_view text) {
    for (char ch : text) {
        switch (ch) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                if (static_cast<unsigned char>(ch) >= 0x20 || ch == '\t' || ch == '\n') out += ch;
        }
    }
}

// UTF-8 characters, counting lead bytes only.
int characters(std::string_view text) {
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char ch) {
        return (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
    }));
}

}  // namespace

SvgCanvas::SvgCanvas(int width, int height) : width_(width), height_(height) {}

std::string SvgCanvas::document() const {
    std::string out = R"(<?xml version="1.0" encoding="UTF-8"?>)"
                      "\n"
                      R"(<svg xmlns="http://www.w3.org/2000/svg" version="1.1" width=")";
    append(out, width_);
    out += R"(" height=")";
    append(out, height_);
    out += R"(" viewBox="0 0 )";
    append(out, width_);
    out += ' ';
    append(out, height_);
    out += R"(" font-family="DejaVu Sans, Arial, sans-serif">)";
    out += '\n';
    if (!defs_.empty()) out += "<defs>\n" + defs_ + "</defs>\n";
    out += body_;
    for (int i = 0; i < openGroups_; ++i) out += "</g>\n";
    out += "</svg>\n";
    return out;
}

void SvgCanvas::setPen(Rgb colour, int width) {
    pen_ = colour;
    penWidth_ = std::max(width, 1);
}

void SvgCanvas::setBrush(Rgb colour) {
    brush_ = colour;
    solidBrush_ = true;
}

void SvgCanvas::setClip(const IntRect& r) {
    ++clip_;
    defs_ += R"(<clipPath id="c)";
    append(defs_, clip_);
    defs_ += R"("><rect x=")";
    append(defs_, r.left);
    defs_ += R"(" y=")";
    append(defs_, r.top);
    defs_ += R"(" width=")";
    append(defs_, std::max(r.right - r.left, 0));
    defs_ += R"(" height=")";
    append(defs_, std::max(r.bottom - r.top, 0));
    defs_ += "\"/></clipPath>\n";
}

void SvgCanvas::paint(bool fill, bool stroke) {
    body_ += R"( fill=")";
    if (fill)
        appendColour(body_, brush_);
    else
        body_ += "none";
    body_ += '"';
    if (stroke) {
        body_ += R"( stroke=")";
        appendColour(body_, pen_);
        body_ += R"(" stroke-width=")";
        append(body_, penWidth_);
        body_ += '"';
    }
    if (clip_ != 0) {
        body_ += R"( clip-path="url(#c)";
        append(body_, clip_);
        body_ += ")\"";
    }
    body_ += "/>\n";
}

void SvgCanvas::fillRect(const IntRect& r) {
    if (!solidBrush_ || r.right <= r.left || r.bottom <= r.top) return;
    body_ += R"(<rect x=")";
    append(body_, r.left);
    body_ += R"(" y=")";
    append(body_, r.top);
    body_ += R"(" width=")";
    append(body_, r.right - r.left);
    body_ += R"(" height=")";
    append(body_, r.bottom - r.top);
    body_ += '"';
    paint(true, false);
}

// A rectangle's outline as the screen strokes it: through the centres of
// its outermost pixels.
void SvgCanvas::outline(const IntRect& r, int corner) {
    body_ += R"(<rect x=")";
    appendStroked(body_, r.left, penWidth_);
    body_ += R"(" y=")";
    appendStroked(body_, r.top, penWidth_);
    body_ += R"(" width=")";
    append(body_, std::max(r.right - r.left - 1, 0));
    body_ += R"(" height=")";
    append(body_, std::max(r.bottom - r.top - 1, 0));
    if (corner > 0) {
        body_ += R"(" rx=")";
        append(body_, corner / 2);
    }
    body_ += '"';
}

void SvgCanvas::frameRect(const IntRect& r) {
    outline(r, 0);
    paint(false, true);
}

void SvgCanvas::rectangle(const IntRect& r) {
    outline(r, 0);
    paint(solidBrush_, true);
}

void SvgCanvas::roundRect(const IntRect& r, int corner) {
    outline(r, corner);
    paint(solidBrush_, true);
}

void SvgCanvas::ellipse(const IntRect& r) {
    // Twice the centre and the radii, so that odd sizes stay exact.
    const int cx2 = r.left + r.right - 1;
    const int cy2 = r.top + r.bottom - 1;
    const auto half = [](int twice) { return std::to_string(twice / 2) + (twice % 2 ? ".5" : ""); };
    body_ += "<ellipse cx=\"" + half(cx2) + "\" cy=\"" + half(cy2) + "\" rx=\"" +
             half(std::max(r.right - r.left - 1, 0)) + "\" ry=\"" +
             half(std::max(r.bottom - r.top - 1, 0)) + '"';
    paint(solidBrush_, true);
}

void SvgCanvas::points(std::span<const Point> pts) {
    body_ += R"( points=")";
    bool first = true;
    for (const Point& p : pts) {
        if (!first) body_ += ' ';
        first = false;
        appendStroked(body_, p.x, penWidth_);
        body_ += ',';
        appendStroked(body_, p.y, penWidth_);
    }
    body_ += '"';
}

void SvgCanvas::polygon(std::span<const Point> pts) {
    if (pts.empty()) return;
    body_ += "<polygon";
    points(pts);
    paint(solidBrush_, true);
}

void SvgCanvas::lineTo(int x, int y) {
    const std::array<Point, 2> ends{position_, Point{x, y}};
    polyline(ends);
}

void SvgCanvas::polyline(std::span<const Point> pts) {
    if (pts.empty()) return;
    body_ += "<polyline";
    points(pts);
    paint(false, true);
    position_ = pts.back();
}

void SvgCanvas::textOut(int x, int y, std::string_view text) {
    if (solidBrush_) fillRect({x, y, x + textWidth(text), y + textHeight(text)});
    body_ += R"(<text x=")";
    append(body_, x);
    body_ += R"(" y=")";
    // The baseline: the canvas places text by its top-left corner.
    append(body_, y + font_.pixelHeight * 4 / 5);
    body_ += R"(" font-size=")";
    append(body_, font_.pixelHeight);
    body_ += '"';
    if (font_.bold) body_ += R"( font-weight="bold")";
    body_ += R"( fill=")";
    appendColour(body_, font_.colour);
    body_ += '"';
    if (clip_ != 0) {
        body_ += R"( clip-path="url(#c)";
        append(body_, clip_);
        body_ += ")\"";
    }
    body_ += " xml:space=\"preserve\">";
    appendEscaped(body_, text);
    body_ += "</text>\n";
}

int SvgCanvas::textWidth(std::string_view text) {
    return characters(text) * font_.pixelHeight * 3 / 5;
}

int SvgCanvas::textHeight(std::string_view) {
    return font_.pixelHeight * 6 / 5;
}

void SvgCanvas::beginGroup(std::string_view name) {
    body_ += R"(<g class=")";
    appendEscaped(body_, name);
    body_ += "\">\n";
    ++openGroups_;
}

void SvgCanvas::endGroup() {
    if (openGroups_ == 0) return;
    body_ += "</g>\n";
    --openGroups_;
}

}  // namespace tz::graphs
