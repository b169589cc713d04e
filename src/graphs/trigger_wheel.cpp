#include "graphs/trigger_wheel.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "editing/image_tables.h"

namespace tz::graphs {

namespace {

// Missing and inserted lobes of the synchronisation methods.
int missingLobes(int method) {
    if (method == 9) return 2;  // 48-2
    return method == 3 || method == 4 || method == 13 ? 1 : 0;
}

int insertedLobes(int method) {
    if (method == 5) return 2;
    return method == 1 || method == 11 ? 1 : 0;
}

constexpr int kWideLobeMethod = 2;
constexpr double kPickup2Angle = 180;

double normalised(double degrees) {
    const double a = std::fmod(degrees, 360.0);
    return a < 0 ? a + 360.0 : a;
}

int largestShownAdvance(const Image& image) {
    Image copy = image;
    const editing::AdvanceMapTable map(copy, image[field::TPS_MAPA] != 0);
    const editing::CellRange area = map.area();
    int largest = 0;
    for (int r = area.firstRow; r <= area.lastRow; ++r)
        for (int c = area.firstColumn; c <= area.lastColumn; ++c)
            largest = std::max(largest, map.value({r, c}));
    return largest;
}

}  // namespace

WheelLayout triggerWheelLayout(const Image& image) {
    WheelLayout w;
    const int method = image[field::SYNC_METHOD];
    const int lobes = image[field::LOBE_COUNT];
    const int slots = lobes + missingLobes(method);
    const double pitch = slots > 0 ? 360.0 / slots : 360.0;
    const double width = std::min(pitch * 0.45, 40.0);

    // Lobe k's leading edge; the next lobe to pass a pick-up is the one
    // behind it, anticlockwise.
    for (int k = 1; k <= lobes; ++k) {
        const double first = -(k - 1) * pitch;
        const double lobeWidth =
            method == kWideLobeMethod && k == 1 ? std::min(2 * width, 0.8 * pitch) : width;
        w.lobes.push_back({k, first, first - lobeWidth});
    }
    if (lobes > 0) {
        // Inserted lobes share the gap between the last lobe's trailing edge
        // and lobe 1's leading edge one turn on.
        const int inserted = insertedLobes(method);
        const double gapStart = w.lobes.back().secondEdge;
        const double gap = gapStart + 360.0;
        for (int j = 1; j <= inserted; ++j) {
            const double centre = gapStart - gap * j / (inserted + 1);
            w.lobes.push_back({0, centre + width / 4, centre - width / 4});
        }
    }

    const int channels = std::clamp<int>(image[field::CHANNEL_COUNT], 1, kChannels);
    bool pickup2 = methodOffersPickup2Polarity(static_cast<std::uint8_t>(method));
    for (int c = 0; c < channels && lobes > 0; ++c) {
        for (const bool start : {false, true}) {
            const int lobe =
                image[lobeByte(start ? field::START_ADV_LOBE : field::MAX_ADV_LOBE, c)];
            if (lobe < 1 || lobe > lobes) continue;
            const bool edge2 =
                image[lobeByte(start ? field::START_ADV_EDGE2 : field::MAX_ADV_EDGE2, c)];
            const bool p2 =
                image[lobeByte(start ? field::START_ADV_PICKUP2 : field::MAX_ADV_PICKUP2, c)];
            pickup2 = pickup2 || p2;
            const WheelLobe& l = w.lobes[static_cast<std::size_t>(lobe - 1)];
            w.points.push_back(
                {c + 1, start, lobe, edge2, p2 ? 2 : 1, edge2 ? l.secondEdge : l.firstEdge});
        }
    }
    w.pickups.push_back({1, 0});
    if (pickup2) w.pickups.push_back({2, kPickup2Angle});

    // Turn the wheel so that channel 1's maximum-advance point stands at its
    // pick-up.
    double turn = 0;
    if (!w.points.empty() && !w.points.front().start)
        turn = (w.points.front().pickup == 2 ? kPickup2Angle : 0) - w.points.front().angle;
    for (WheelLobe& l : w.lobes) {
        l.firstEdge = normalised(l.firstEdge + turn);
        l.secondEdge = normalised(l.secondEdge + turn);
    }
    for (WheelPoint& p : w.points) p.angle = normalised(p.angle + turn);

    w.largestAdvance = largestShownAdvance(image);
    const double reference = w.points.empty() || w.points.front().start
                                 ? 0
                                 : (w.points.front().pickup == 2 ? kPickup2Angle : 0);
    w.tdc = normalised(reference - w.largestAdvance);
    return w;
}

namespace {

constexpr Rgb kRotor = rgb(0xD8D8D8);
constexpr Rgb kLobe = rgb(0x606060);
constexpr Rgb kInserted = rgb(0xA07030);
constexpr Rgb kPickup = rgb(0x2060C0);
constexpr Rgb kTdc = colour::kDarkGreen;
constexpr std::array<Rgb, kChannels> kChannelColours = {rgb(0xD00000), rgb(0x8000A0)};
constexpr int kLineHeight = 14;

class WheelPainter {
  public:
    WheelPainter(Canvas& canvas, const WheelLayout& layout, const WheelLabels& labels)
        : c_(canvas), layout_(layout), labels_(labels) {
        const int lines = static_cast<int>(labels.caption.size());
        const int w = canvas.width();
        const int h = canvas.height();
        captionBeside_ = w >= 2 * h;
        size_ = captionBeside_ ? h : std::min(w, h - lines * kLineHeight - 4);
        size_ = std::max(size_, 40);
        centre_ = captionBeside_ ? Point{size_ / 2, h / 2} : Point{w / 2, size_ / 2};
        tip_ = size_ / 2 - 11;
        rim_ = tip_ - std::max(5, size_ / 12);
    }

    void draw() {
        c_.setBrush(colour::kWhite);
        c_.fillRect({0, 0, c_.width(), c_.height()});
        c_.setPen(colour::kGrey);
        c_.setBrush(kRotor);
        c_.ellipse(circle(rim_));
        c_.ellipse(circle(std::max(2, rim_ / 6)));
        drawAdvanceArc();
        for (const WheelLobe& l : layout_.lobes) drawLobe(l);
        for (const WheelPickup& p : layout_.pickups) drawPickup(p);
        for (std::size_t i = 0; i < layout_.points.size(); ++i) drawPoint(i);
        drawTdc();
        drawCaption();
    }

  private:
    Point at(double degrees, double radius) const {
        const double a = degrees * std::numbers::pi / 180.0;
        return {centre_.x + static_cast<int>(std::lround(radius * std::sin(a))),
                centre_.y - static_cast<int>(std::lround(radius * std::cos(a)))};
    }

    IntRect circle(int radius) const {
        return {centre_.x - radius, centre_.y - radius, centre_.x + radius + 1,
                centre_.y + radius + 1};
    }

    // Points along the arc from `from` clockwise over `span` degrees.
    std::vector<Point> arc(double from, double span, double radius) const {
        const int steps = std::max(2, static_cast<int>(span / 5) + 1);
        std::vector<Point> points;
        for (int i = 0; i <= steps; ++i) points.push_back(at(from + span * i / steps, radius));
        return points;
    }

    void centredText(Point p, std::string_view text) {
        textWithin(p.x - c_.textWidth(text) / 2, p.y - c_.textHeight(text) / 2, text);
    }

    // Text kept inside the canvas, for the labels at the wheel's edge.
    void textWithin(int x, int y, std::string_view text) {
        c_.textOut(std::clamp(x, 0, std::max(0, c_.width() - c_.textWidth(text))),
                   std::clamp(y, 0, std::max(0, c_.height() - c_.textHeight(text))), text);
    }

    void drawLobe(const WheelLobe& l) {
        const double span = normalised(l.firstEdge - l.secondEdge);
        std::vector<Point> outline = arc(l.secondEdge, span, tip_);
        std::vector<Point> inner = arc(l.secondEdge, span, rim_ - 1);
        outline.insert(outline.end(), inner.rbegin(), inner.rend());
        c_.beginGroup(l.number == 0 ? "inserted-lobe" : "lobe");
        c_.setPen(l.number == 0 ? kInserted : kLobe);
        c_.setBrush(l.number == 0 ? kInserted : kLobe);
        c_.polygon(outline);
        if (l.number > 0 && span >= 12) {
            c_.setBrushStyle(BrushStyle::Clear);
            c_.setFont({9, false, colour::kWhite});
            centredText(at(l.secondEdge + span / 2, (tip_ + rim_) / 2.0), std::to_string(l.number));
        }
        c_.endGroup();
    }

    void drawPickup(const WheelPickup& p) {
        const double half = 400.0 / std::max(tip_, 1);  // about 4 pixels either side
        const std::array<Point, 4> body = {
            at(p.angle - half, tip_ + 2), at(p.angle + half, tip_ + 2),
            at(p.angle + half, tip_ + 9), at(p.angle - half, tip_ + 9)};
        c_.beginGroup("pickup");
        c_.setPen(kPickup);
        c_.setBrush(kPickup);
        c_.polygon(body);
        c_.setBrushStyle(BrushStyle::Clear);
        c_.setFont({10, true, kPickup});
        const std::string name = "P" + std::to_string(p.number);
        const Point beside = at(p.angle + 3 * half, tip_ + 5);
        const bool right = std::sin(p.angle * std::numbers::pi / 180.0) > -0.01;
        textWithin(right ? beside.x + 2 : beside.x - c_.textWidth(name) - 2,
                   beside.y - c_.textHeight(name) / 2, name);
        c_.endGroup();
    }

    // The point's mark on its edge; its name inside the wheel, shared with
    // the other channel's point of the same kind on the same edge ("M1,2").
    void drawPoint(std::size_t i) {
        const WheelPoint& p = layout_.points[i];
        const Rgb colour = kChannelColours[static_cast<std::size_t>(p.channel - 1)];
        c_.beginGroup("point");
        c_.setPen(colour, 3);
        const Point outer = at(p.angle, tip_ + 1);
        const Point inner = at(p.angle, rim_ - 2);
        c_.line(outer.x, outer.y, inner.x, inner.y);
        const auto sameMark = [&](const WheelPoint& q) {
            return q.start == p.start && std::abs(q.angle - p.angle) < 0.5;
        };
        const auto first = std::find_if(layout_.points.begin(), layout_.points.end(), sameMark);
        if (first == layout_.points.begin() + static_cast<long>(i)) {
            std::string name = p.start ? "S" : "M";
            for (auto q = first; q != layout_.points.end(); ++q) {
                if (!sameMark(*q)) continue;
                if (q != first) name += ",";
                name += std::to_string(q->channel);
            }
            c_.setBrushStyle(BrushStyle::Clear);
            c_.setFont({10, true, colour});
            centredText(at(p.angle, rim_ - 11), name);
        }
        c_.endGroup();
    }

    void drawAdvanceArc() {
        if (layout_.points.empty() || layout_.points.front().start || layout_.largestAdvance == 0)
            return;
        c_.setPen(kTdc, 2);
        c_.setBrushStyle(BrushStyle::Clear);
        c_.polyline(arc(layout_.tdc, layout_.largestAdvance, rim_ + 2));
    }

    void drawTdc() {
        c_.beginGroup("tdc");
        c_.setPen(kTdc, 2);
        const Point outer = at(layout_.tdc, tip_ + 3);
        const Point inner = at(layout_.tdc, rim_ - 6);
        c_.line(outer.x, outer.y, inner.x, inner.y);
        c_.setBrushStyle(BrushStyle::Clear);
        c_.setFont({10, true, kTdc});
        const Point label = at(layout_.tdc, tip_ + 4);
        const bool left = std::sin(layout_.tdc * std::numbers::pi / 180.0) < 0;
        const int y = std::cos(layout_.tdc * std::numbers::pi / 180.0) > 0
                          ? label.y - c_.textHeight(labels_.tdc)
                          : label.y;
        textWithin(left ? label.x - c_.textWidth(labels_.tdc) : label.x, y, labels_.tdc);
        c_.endGroup();
    }

    void drawCaption() {
        c_.setBrushStyle(BrushStyle::Clear);
        c_.setFont({11, false, colour::kBlack});
        int x = captionBeside_ ? size_ + 6 : 6;
        int y =
            captionBeside_
                ? std::max(
                      2, (c_.height() - kLineHeight * static_cast<int>(labels_.caption.size())) / 2)
                : size_ + 2;
        for (const std::string& line : labels_.caption) {
            c_.textOut(x, y, line);
            y += kLineHeight;
        }
    }

    Canvas& c_;
    const WheelLayout& layout_;
    const WheelLabels& labels_;
    bool captionBeside_ = false;
    int size_ = 0;
    Point centre_;
    int tip_ = 0;
    int rim_ = 0;
};

}  // namespace

void drawTriggerWheel(Canvas& canvas, const WheelLayout& layout, const WheelLabels& labels) {
    WheelPainter(canvas, layout, labels).draw();
}

}  // namespace tz::graphs
