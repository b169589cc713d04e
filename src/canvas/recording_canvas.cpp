#include "canvas/recording_canvas.h"

#include <algorithm>

namespace tz::graphs {

std::size_t RecordingCanvas::count(DrawOp op) const {
    return static_cast<std::size_t>(std::count_if(calls_.begin(), calls_.end(),
                                                  [op](const DrawCall& c) { return c.op == op; }));
}

std::vector<std::string> RecordingCanvas::texts() const {
    std::vector<std::string> result;
    for (const DrawCall& c : calls_)
        if (c.op == DrawOp::Text) result.push_back(c.text);
    return result;
}

void RecordingCanvas::setPen(Rgb colour, int width) {
    pen_ = colour;
    penWidth_ = width;
}

void RecordingCanvas::setBrush(Rgb colour) {
    brush_ = colour;
    brushStyle_ = BrushStyle::Solid;
}

DrawCall& RecordingCanvas::record(DrawOp op) {
    DrawCall& c = calls_.emplace_back();
    c.op = op;
    c.pen = pen_;
    c.penWidth = penWidth_;
    c.brush = brush_;
    c.brushStyle = brushStyle_;
    c.font = font_;
    return c;
}

void RecordingCanvas::setClip(const IntRect& rect) {
    record(DrawOp::Clip).rect = rect;
}
void RecordingCanvas::fillRect(const IntRect& rect) {
    record(DrawOp::FillRect).rect = rect;
}
void RecordingCanvas::frameRect(const IntRect& rect) {
    record(DrawOp::FrameRect).rect = rect;
}
void RecordingCanvas::rectangle(const IntRect& rect) {
    record(DrawOp::Rectangle).rect = rect;
}
void RecordingCanvas::ellipse(const IntRect& rect) {
    record(DrawOp::Ellipse).rect = rect;
}

void RecordingCanvas::roundRect(const IntRect& rect, int corner) {
    DrawCall& c = record(DrawOp::RoundRect);
    c.rect = rect;
    c.corner = corner;
}

void RecordingCanvas::polygon(std::span<const Point> points) {
    record(DrawOp::Polygon).points.assign(points.begin(), points.end());
}

void RecordingCanvas::lineTo(int x, int y) {
    record(DrawOp::Line).points = {position_, {x, y}};
    position_ = {x, y};
}

void RecordingCanvas::polyline(std::span<const Point> points) {
    if (points.empty()) return;
    record(DrawOp::Polyline).points.assign(points.begin(), points.end());
    position_ = points.back();
}

void RecordingCanvas::beginGroup(std::string_view name) {
    record(DrawOp::BeginGroup).text = name;
}

void RecordingCanvas::endGroup() {
    record(DrawOp::EndGroup);
}

void RecordingCanvas::textOut(int x, int y, std::string_view text) {
    DrawCall& c = record(DrawOp::Text);
    c.points = {{x, y}};
    c.text = text;
}

int RecordingCanvas::textWidth(std::string_view text) {
    return kCharWidth * static_cast<int>(text.size());
}

int RecordingCanvas::textHeight(std::string_view) {
    return kTextHeight;
}

}  // namespace tz::graphs
