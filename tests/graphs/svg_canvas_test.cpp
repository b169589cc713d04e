#include "canvas/svg_canvas.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace tz::graphs {
namespace {

bool contains(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

TEST(SvgCanvas, DocumentHasTheSizeAndClosesOpenGroups) {
    SvgCanvas canvas(320, 200);
    canvas.beginGroup("lobe");
    canvas.beginGroup("inner");
    canvas.endGroup();
    const std::string svg = canvas.document();
    EXPECT_EQ(svg.rfind(R"(<?xml version="1.0" encoding="UTF-8"?>)", 0), 0u);
    EXPECT_TRUE(contains(svg, R"(width="320" height="200" viewBox="0 0 320 200")"));
    EXPECT_TRUE(contains(svg, "<g class=\"lobe\">\n<g class=\"inner\">\n</g>\n</g>\n</svg>\n"));
}

TEST(SvgCanvas, ShapesLandOnTheScreensPixels) {
    SvgCanvas canvas(100, 100);
    canvas.setPen(rgb(0x102030), 1);
    canvas.setBrush(rgb(0xFFFF00));
    canvas.fillRect({10, 20, 30, 25});
    canvas.rectangle({0, 0, 11, 5});
    canvas.setBrushStyle(BrushStyle::Clear);
    canvas.ellipse({0, 0, 10, 6});
    const std::array<Point, 3> trace{Point{1, 2}, Point{3, 4}, Point{5, 6}};
    canvas.polyline(trace);
    canvas.setPen(rgb(0x102030), 2);
    canvas.line(0, 0, 4, 0);
    const std::string svg = canvas.document();
    EXPECT_TRUE(contains(svg, R"(<rect x="10" y="20" width="20" height="5" fill="#ffff00"/>)"));
    EXPECT_TRUE(contains(svg, R"(<rect x="0.5" y="0.5" width="10" height="4" fill="#ffff00" )"
                              R"(stroke="#102030" stroke-width="1"/>)"));
    EXPECT_TRUE(contains(svg, R"(<ellipse cx="4.5" cy="2.5" rx="4.5" ry="2.5" fill="none")"));
    EXPECT_TRUE(contains(svg, R"(<polyline points="1.5,2.5 3.5,4.5 5.5,6.5" fill="none")"));
    EXPECT_TRUE(contains(svg, R"(<polyline points="0,0 4,0" fill="none" stroke="#102030" )"
                              R"(stroke-width="2"/>)"));
}

TEST(SvgCanvas, TextAndNamesAreEscapedAndClipped) {
    SvgCanvas canvas(100, 100);
    canvas.setClip({1, 2, 50, 60});
    canvas.setBrushStyle(BrushStyle::Clear);
    canvas.setFont({.pixelHeight = 10, .bold = true, .colour = colour::kRed});
    canvas.textOut(5, 5, "a<b & \"c\"\x01");
    canvas.beginGroup("x\"y");
    const std::string svg = canvas.document();
    EXPECT_TRUE(contains(svg, R"(<clipPath id="c1"><rect x="1" y="2" width="49" height="58"/>)"));
    EXPECT_TRUE(contains(svg, R"(<text x="5" y="13" font-size="10" font-weight="bold" )"
                              R"x(fill="#ff0000" clip-path="url(#c1)" xml:space="preserve">)x"
                              R"(a&lt;b &amp; &quot;c&quot;</text>)"));
    EXPECT_TRUE(contains(svg, R"(<g class="x&quot;y">)"));
}

TEST(SvgCanvas, TextIsMeasuredByCharactersNotBytes) {
    SvgCanvas canvas(100, 100);
    canvas.setFont({.pixelHeight = 10});
    EXPECT_EQ(canvas.textWidth("abc"), 18);
    EXPECT_EQ(canvas.textWidth("čáš"), 18);
}

}  // namespace
}  // namespace tz::graphs
