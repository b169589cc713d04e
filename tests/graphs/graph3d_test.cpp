#include "graphs/graph3d.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "fake_graph_host.h"
#include "graphs/graph_area.h"

namespace tz::graphs {
namespace {

using test::FakeGraphHost;

TEST(ColourTable, StopsAndBlends) {
    const ColourTable table = buildColourTable();
    struct Case {
        int entry;
        Rgb colour;
    } cases[] = {
        {0, rgb(0x550000)},  {7, {164, 0, 0}},    {15, rgb(0xFF0000)}, {20, {127, 127, 0}},
        {25, rgb(0x00FF00)}, {32, rgb(0x00FFFF)}, {40, rgb(0x00CCCC)}, {52, rgb(0x0000FF)},
        {56, {113, 0, 255}}, {60, {226, 0, 255}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.entry);
        EXPECT_EQ(table[static_cast<std::size_t>(k.entry)], k.colour);
    }
}

TEST(ColourTable, IndexOfAValue) {
    struct Case {
        double w;
        int index;
    } cases[] = {{0, 0}, {1, 1}, {30, 30}, {59, 59}, {60, 60}, {-5, 0}, {100, 60}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.w);
        EXPECT_EQ(colourIndex(k.w, 0, 60), k.index);
    }
}

class Graph3DTest : public ::testing::Test {
  protected:
    Graph3DTest() {
        graph.selection = &selection;
        graph.setSize(468, 420);
        graph.setLegendHeight(250);
        graph.LoadFromImage();
        graph.setAngleBars(presetBars(ViewPreset::Iso));
    }

    RecordingCanvas draw() {
        RecordingCanvas canvas(graph.width(), graph.height());
        graph.Draw(canvas);
        return canvas;
    }

    std::size_t linesIn(const RecordingCanvas& canvas, Rgb pen) const {
        std::size_t n = 0;
        for (const DrawCall& c : canvas.calls()) n += c.op == DrawOp::Line && c.pen == pen ? 1 : 0;
        return n;
    }

    FakeGraphHost host;
    editing::TSelcell selection;
    TGraph3D graph{host, "ImageGraph3D", "ImageGraph3DLegend"};
};

TEST_F(Graph3DTest, AspectIsSnappedToOneNearSquare) {
    struct Case {
        int width;
        int height;
        double aspect;
    } cases[] = {{400, 400, 1.0},
                 {440, 400, 1.0},
                 {398, 400, 1.0},
                 {395, 400, 395.0 / 400 * 0.95},
                 {451, 400, 451.0 / 400 * 0.95},
                 {300, 400, 0.75 * 0.95},
                 {300, 0, 1.0}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.width);
        graph.setSize(k.width, k.height);
        graph.Rescale();
        EXPECT_DOUBLE_EQ(graph.aspect, k.aspect);
        EXPECT_TRUE(std::isfinite(graph.Project(12500, 30, 9).x));
    }
}

TEST_F(Graph3DTest, BarsAtBothEndsGiveTheSameView) {
    graph.setAngleBars({36, -36, 36});
    graph.Rescale();
    const Matrix3 plus = graph.projection;
    graph.setAngleBars({-36, 36, -36});
    graph.Rescale();
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) EXPECT_NEAR(graph.projection[i][j], plus[i][j], 1e-9);
}

TEST_F(Graph3DTest, PresetsGiveDistinctViews) {
    std::vector<Matrix3> views;
    for (ViewPreset p : {ViewPreset::Iso, ViewPreset::Iso2, ViewPreset::Top}) {
        graph.setAngleBars(presetBars(p));
        graph.Rescale();
        for (const Matrix3& v : views) EXPECT_NE(v, graph.projection);
        views.push_back(graph.projection);
    }
}

TEST_F(Graph3DTest, TopViewDrawsEveryAxisNameLast) {
    graph.setAngleBars(presetBars(ViewPreset::Top));
    const RecordingCanvas canvas = draw();
    const std::vector<std::string> texts = canvas.texts();
    ASSERT_GE(texts.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(texts.end() - 3, texts.end()),
              (std::vector<std::string>{"RPM", "ADV", "TPS"}));
    EXPECT_EQ(canvas.calls().back().op, DrawOp::Text);
}

TEST_F(Graph3DTest, SurfaceIsPaintedFarToNear) {
    // The first and last triangles fan around the centres of the far and
    // the near corner quads.
    for (const AngleBars& bars :
         {AngleBars{-8, 4, 0}, AngleBars{-8, 28, 0}, AngleBars{8, -20, 0}, AngleBars{-8, -24, 0}}) {
        SCOPED_TRACE(bars[1]);
        graph.setAngleBars(bars);
        const RecordingCanvas canvas = draw();
        const double o = graph.Project(0, 0, 0).depth;
        const int sx = graph.Project(graph.axes.xMax, 0, 0).depth < o ? -1 : 1;
        const int st = graph.Project(0, 0, 9).depth < o ? -1 : 1;
        const double yMin = graph.axes.yMin;
        // The strip h = -1 lies flat at the base advance (10), the strip
        // h = 10 at column 9's value (20).
        auto centre = [&](int w, int h) {
            const double x = h < 0 ? 1000.0 / 2 : (10000.0 + graph.axes.xMax) / 2;
            const ScreenPoint p = graph.Project(x, (h < 0 ? 10 : 20) - yMin, w - 0.5);
            return Point{static_cast<int>(p.x), static_cast<int>(p.y)};
        };
        std::vector<const DrawCall*> polygons;
        for (const DrawCall& c : canvas.calls())
            if (c.op == DrawOp::Polygon) polygons.push_back(&c);
        ASSERT_EQ(polygons.size(), 432u);  // 9 rows x 12 quads x 4 triangles
        EXPECT_EQ(polygons.front()->points[2], centre(st < 0 ? 9 : 1, sx < 0 ? 10 : -1));
        EXPECT_EQ(polygons.back()->points[2], centre(st < 0 ? 1 : 9, sx < 0 ? -1 : 10));
    }
}

TEST_F(Graph3DTest, FillAndHeightColourSwitches) {
    RecordingCanvas canvas = draw();
    EXPECT_EQ(canvas.count(DrawOp::Polygon), 432u);
    EXPECT_EQ(linesIn(canvas, colour::kWhite), 432u);  // one edge per triangle
    // The flat middle of the map (all cells 20) takes the ramp's colour of 20.
    std::size_t ramp = 0;
    for (const DrawCall& c : canvas.calls()) {
        if (c.op != DrawOp::Polygon) continue;
        EXPECT_NE(c.brush, colour::kLightBlue);
        ramp += c.brush == graph.colourOf(20) ? 1 : 0;
    }
    EXPECT_GT(ramp, 100u);

    graph.setFill(true, false);
    canvas = draw();
    for (const DrawCall& c : canvas.calls()) {
        if (c.op == DrawOp::Polygon) {
            EXPECT_TRUE(c.brush == colour::kLightBlue || c.brush == colour::kSilver);
        }
    }

    graph.setFill(false, true);
    canvas = draw();
    EXPECT_EQ(canvas.count(DrawOp::Polygon), 0u);
    EXPECT_EQ(linesIn(canvas, colour::kWhite), 0u);
    EXPECT_GE(linesIn(canvas, colour::kBlack), 432u);
}

TEST_F(Graph3DTest, SelectedEdgesAreBlueOrGreenAtACorner) {
    selection.cellFlags[10 * 2 + 3] = editing::kCellSelected;
    selection.cellFlags[10 * 2 + 4] = editing::kCellSelected;
    RecordingCanvas canvas = draw();
    // The edge between the two cells borders one quad above and one below.
    EXPECT_EQ(linesIn(canvas, colour::kBlue), 2u);
    EXPECT_EQ(linesIn(canvas, colour::kDarkGreen), 0u);
    selection.cellFlags[10 * 2 + 4] |= editing::kCellCorner;
    canvas = draw();
    EXPECT_EQ(linesIn(canvas, colour::kBlue), 0u);
    EXPECT_EQ(linesIn(canvas, colour::kDarkGreen), 2u);
}

TEST_F(Graph3DTest, LiveCellIsMarkedAfterEachQuadAroundIt) {
    EXPECT_EQ(draw().count(DrawOp::Ellipse), 0u);
    graph.TrackLive(3000, 45, true);  // cell (6, 2), a corner of four quads
    const RecordingCanvas canvas = draw();
    EXPECT_EQ(canvas.count(DrawOp::Ellipse), 8u);
    std::size_t discs = 0;
    for (const DrawCall& c : canvas.calls())
        discs += c.op == DrawOp::Ellipse && c.brushStyle == BrushStyle::Solid &&
                 c.brush == colour::kLime;
    EXPECT_EQ(discs, 4u);
}

TEST_F(Graph3DTest, LegendTicksAndLiveValue) {
    graph.Rescale();
    RecordingCanvas canvas(TGraph3D::kLegendWidth, 250);
    graph.DrawLegend(canvas);
    std::vector<std::string> ticks;
    for (int k = 0; k <= 60; k += 5) ticks.push_back(std::to_string(k));
    EXPECT_EQ(canvas.texts(), ticks);
    const int bar = 250 - 30;
    EXPECT_EQ(canvas.count(DrawOp::Line), static_cast<std::size_t>(bar) + 13);

    host.state.image[advanceCell(6, 2)] = 30;
    graph.LoadFromImage();
    graph.TrackLive(3000, 45, true);
    canvas.clear();
    graph.DrawLegend(canvas);
    EXPECT_EQ(canvas.texts().back(), "30");
    const DrawCall& live = canvas.calls().back();
    EXPECT_EQ(live.points[0], (Point{90, 235 - 30 * bar / 60 - 7}));
    EXPECT_EQ(live.brush, colour::kWhite);
}

TEST_F(Graph3DTest, MouseRotatesTheView) {
    graph.mouseDown(MouseButton::Left, {}, 100, 100);
    graph.dirtyFlags = 0;
    graph.mouseMove({}, 136, 64);  // one radian about X and about Y
    EXPECT_EQ(graph.angleBars(), (AngleBars{3, 15, 0}));
    EXPECT_EQ(host.angleBars, (std::array<int, 3>{3, 15, 0}));
    EXPECT_NE(graph.dirtyFlags & kRescale, 0);

    graph.mouseMove({}, 300, 100);  // past half a turn: wrapped
    EXPECT_EQ(graph.angleBars(), (AngleBars{-8, -4, 0}));

    graph.mouseUp(MouseButton::Left, {}, 300, 100);
    graph.mouseMove({}, 50, 50);
    EXPECT_EQ(graph.angleBars(), (AngleBars{-8, -4, 0}));
}

TEST_F(Graph3DTest, WheelChangesTheLiveCellOnlyWithTheMouseOverIt) {
    bool handled = false;
    graph.TrackLive(3000, 45, true);
    graph.Wheel(1, handled);  // mouse elsewhere
    EXPECT_FALSE(handled);

    graph.mouseMove({}, 10, 10);
    graph.TrackLive(0, 45, true);
    graph.Wheel(1, handled);  // engine stopped
    EXPECT_FALSE(handled);

    graph.TrackLive(3000, 45, true);
    graph.Wheel(-1, handled);
    EXPECT_TRUE(handled);
    EXPECT_EQ(host.state.image[advanceCell(6, 2)], 19);
    EXPECT_EQ(host.commits, 1);
}

TEST_F(Graph3DTest, TpsMapOffExtrudesTheLastRow) {
    host.state.image[field::TPS_MAPA] = 0;
    for (int c = 0; c < 10; ++c) {
        host.state.image[advanceCell(9, c)] = 30;
        host.state.image[advanceCell(0, c)] = 50;  // hidden row
    }
    graph.LoadFromImage();
    graph.Rescale();
    EXPECT_EQ(graph.axes.yMax, 35);
    const RecordingCanvas canvas = draw();
    EXPECT_EQ(canvas.count(DrawOp::Polygon), 432u);
}

}  // namespace
}  // namespace tz::graphs
