#include "graphs/graph_area.h"

#include <gtest/gtest.h>

#include "fake_graph_host.h"
#include "graphs/graph_area_controls.h"

namespace tz::graphs {
namespace {

using test::FakeGraphHost;

constexpr std::array<int, 10> kCellLefts = {51, 110, 169, 229, 288, 347, 406, 466, 525, 584};
constexpr GroupGeometry kAdvanceGroup{0, 645, 469};
constexpr GroupGeometry kServoGroup{0, 641, 431};

ui::Rect cellEdit(int r, int c) {
    return {kCellLefts[c], 69 + 33 * r, 30, 21};
}
ui::Rect cellUpDown(int r, int c) {
    return {kCellLefts[c] + 30, 69 + 33 * r, 16, 21};
}

class GraphAreaTest : public ::testing::Test {
  protected:
    GraphAreaTest() {
        overlay = gridOverlayBounds(cellEdit(0, 0), cellUpDown(9, 9));
        area.CreateGraphArea({kAdvanceGroup, kServoGroup, overlay});
    }

    LayoutResult layout(GraphMode mode, bool tpsMap = true, bool advancePage = true,
                        bool servoPage = false, bool servoEnabled = true) {
        area.setMode(static_cast<int>(mode));
        host.state.image[field::TPS_MAPA] = tpsMap ? 1 : 0;
        LayoutInput in;
        in.advancePageShown = advancePage;
        in.servoPageShown = servoPage;
        in.servoEnabled = servoEnabled;
        in.tpsMapChecked = tpsMap;
        in.advanceGroup = kAdvanceGroup;
        in.gridOverlayTop = overlay.top;
        in.lastCellUpDown = cellUpDown(9, 9);
        in.firstRowUpDown = {584 + 30, 69, 16, 21};
        return area.LayoutGraphs(in);
    }

    void tick(int rpm = 0, int tps = 0, Keys keys = {}, bool servoPage = false) {
        TickInput in;
        in.keys = keys;
        in.liveRpm = rpm;
        in.liveTps = tps;
        in.tpsMapChecked = host.state.image[field::TPS_MAPA] != 0;
        in.servoPageShown = servoPage;
        in.servoEnabled = true;
        area.GraphService(in);
    }

    void overlayMouse(MouseEvent::Type type, int x, int y, Keys keys = {}) {
        area.mouse(kGridOverlay, {type, MouseButton::Left, keys, x, y});
    }

    FakeGraphHost host;
    GraphArea area{host};
    ui::Rect overlay;
};

TEST_F(GraphAreaTest, StartsInMapModeWithTheIsoView) {
    EXPECT_EQ(area.mode(), GraphMode::Map);
    EXPECT_EQ(host.angleBars, (std::array<int, 3>{-8, 4, 0}));
    EXPECT_EQ(area.graph3D().angleBars(), (AngleBars{-8, 4, 0}));
    EXPECT_TRUE(area.graph3D().fill());
    EXPECT_TRUE(area.graph3D().heightColours());
    EXPECT_EQ(host.paintsOf(kGridOverlay), 1);
    EXPECT_EQ(area.mapGraph().width(), 645);
    EXPECT_EQ(area.mapGraph().height(), 420);
    EXPECT_EQ(area.graph3D().width(), 468);
    EXPECT_EQ(area.servoGraph().height(), 301);
    EXPECT_EQ(overlay, (ui::Rect{6, 55, 629, 347}));
}

TEST_F(GraphAreaTest, LayoutGraphs) {
    struct Case {
        const char* name;
        GraphMode mode;
        bool tpsMap;
        bool advancePage;
        ActiveGraph active;
        int mapTop;
        int overlayHeight;
        bool overlay;
        bool view3D;
    } cases[] = {
        {"grid", GraphMode::Map, true, true, ActiveGraph::None, 7, 347, true, false},
        {"single row over the 2D graph", GraphMode::Map, false, true, ActiveGraph::Map, 100, 50,
         true, false},
        {"2D", GraphMode::TwoD, true, true, ActiveGraph::Map, 7, 347, false, false},
        {"3D", GraphMode::ThreeD, true, true, ActiveGraph::ThreeD, 7, 347, false, true},
        {"other page", GraphMode::TwoD, true, false, ActiveGraph::None, 7, 347, false, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        const LayoutResult out = layout(k.mode, k.tpsMap, k.advancePage);
        EXPECT_EQ(out.active, k.active);
        EXPECT_EQ(area.active(), k.active);
        EXPECT_EQ(out.mapGraph, (ui::Rect{2, k.mapTop, 645, 469 - k.mapTop - 42}));
        EXPECT_EQ(out.mapGraphVisible, k.active == ActiveGraph::Map);
        EXPECT_EQ(out.gridOverlayHeight, k.overlayHeight);
        EXPECT_EQ(out.gridOverlayVisible, k.overlay);
        EXPECT_EQ(out.view3DVisible, k.view3D);
    }
}

TEST_F(GraphAreaTest, ServiceDrawsOnlyWhatChangedAtMostOncePerTick) {
    layout(GraphMode::TwoD);
    tick();
    EXPECT_EQ(host.paintsOf(kMapGraph), 1);
    EXPECT_EQ(host.paintsOf(kGraph3D), 0);
    tick();
    EXPECT_EQ(host.paintsOf(kMapGraph), 1);  // idle: nothing drawn

    // Many hover changes between two ticks: one redraw.
    for (int x = 60; x < 400; x += 7)
        area.mouse(kMapGraph, {MouseEvent::Type::Move, {}, {}, x, 200});
    tick();
    EXPECT_EQ(host.paintsOf(kMapGraph), 2);
    tick(3000, 0);  // the engine starts
    EXPECT_EQ(host.paintsOf(kMapGraph), 3);
    tick(3000, 0);
    EXPECT_EQ(host.paintsOf(kMapGraph), 3);
    tick(3000, 0, {true, false});  // Shift pressed
    EXPECT_EQ(host.paintsOf(kMapGraph), 4);
    EXPECT_EQ(area.mapGraph().dirtyFlags, 0);
}

TEST_F(GraphAreaTest, ThreeDViewDrawsTheGraphAndItsLegend) {
    layout(GraphMode::ThreeD);
    tick();
    EXPECT_EQ(host.paintsOf(kGraph3D), 1);
    EXPECT_EQ(host.paintsOf(kLegend3D), 1);
    area.angleBarChanged(1, 10);
    EXPECT_EQ(area.graph3D().angleBars(), (AngleBars{-8, 10, 0}));
    tick();
    EXPECT_EQ(host.paintsOf(kGraph3D), 2);
    EXPECT_FALSE(area.fillSwitched(false, true));
    EXPECT_FALSE(area.graph3D().fill());
    tick();
    EXPECT_EQ(host.paintsOf(kGraph3D), 3);
    area.applyPreset(ViewPreset::Top);
    EXPECT_EQ(host.angleBars, (std::array<int, 3>{-18, 0, 0}));
    tick();
    EXPECT_EQ(host.paintsOf(kGraph3D), 4);
}

TEST_F(GraphAreaTest, ServoGraphIsTrackedOnItsPageAndDrawnOnlyWhenEnabled) {
    LayoutResult out = layout(GraphMode::Map, true, false, true, false);
    EXPECT_FALSE(out.servoGraphVisible);
    TickInput in;
    in.servoPageShown = true;
    in.servoEnabled = false;
    in.liveRpm = 4000;
    area.GraphService(in);
    EXPECT_EQ(host.paintsOf(kServoGraph), 0);
    EXPECT_FALSE(area.servoGraph().live.marker);

    out = layout(GraphMode::Map, true, false, true, true);
    EXPECT_TRUE(out.servoGraphVisible);
    in.servoEnabled = true;
    area.GraphService(in);
    EXPECT_EQ(host.paintsOf(kServoGraph), 1);
    EXPECT_TRUE(area.servoGraph().live.marker);
}

TEST_F(GraphAreaTest, WheelGoesToTheActiveGraphOncePerTick) {
    layout(GraphMode::Map);  // grid: no active graph
    tick(3000, 45);
    EXPECT_FALSE(area.MouseWheel(1));

    layout(GraphMode::TwoD);
    tick(3000, 45);
    tick(3100, 45);
    EXPECT_TRUE(area.MouseWheel(1));
    EXPECT_FALSE(area.MouseWheel(1));
    EXPECT_EQ(host.state.image[advanceCell(6, 2)], 21);
    tick(3100, 45);
    tick(3000, 45);
    EXPECT_TRUE(area.MouseWheel(1));
    EXPECT_EQ(host.state.image[advanceCell(6, 2)], 22);
    EXPECT_EQ(host.commits, 2);
}

TEST_F(GraphAreaTest, GridOverlayBandSelectsCellsForEveryView) {
    std::array<ui::Rect, 100> edits;
    std::array<ui::Rect, 100> upDowns;
    for (int i = 0; i < 100; ++i) {
        edits[i] = cellEdit(i / 10, i % 10);
        upDowns[i] = cellUpDown(i / 10, i % 10);
    }
    area.setGridHitBoxes(overlay, edits, upDowns, true);
    EXPECT_EQ(area.selection().cellRects[12], (graphs::IntRect{163, 46, 209, 67}));
    tick();
    const int captions = host.captionRefreshes;

    // From the gap left of cell (1, 1) into cell (1, 3).
    overlayMouse(MouseEvent::Type::Press, 100, 50);
    overlayMouse(MouseEvent::Type::Move, 260, 55);
    overlayMouse(MouseEvent::Type::Release, 260, 55);
    EXPECT_TRUE(area.selection().hasRectangle());
    EXPECT_EQ(area.selection().rectFirstCol, 1);
    EXPECT_EQ(area.selection().rectLastCol, 3);
    EXPECT_EQ(area.selectionCopy().cellFlags, area.selection().cellFlags);
    EXPECT_EQ(host.captionRefreshes, captions + 1);
    EXPECT_GE(host.paintsOf(kGridOverlay), 3);

    // Shift and Ctrl together count as neither: a new selection.
    overlayMouse(MouseEvent::Type::Press, 5, 5, {true, true});
    overlayMouse(MouseEvent::Type::Release, 5, 5, {true, true});
    EXPECT_EQ(area.selection().state, editing::BandState::Empty);
}

TEST_F(GraphAreaTest, BandInTheMapGraphShowsOnTheGrid) {
    layout(GraphMode::TwoD);
    tick();
    const int overlayPaints = host.paintsOf(kGridOverlay);
    area.mouse(kMapGraph, {MouseEvent::Type::Press, MouseButton::Left, {}, 150, 5});
    area.mouse(kMapGraph, {MouseEvent::Type::Move, MouseButton::Left, {}, 230, 70});
    area.mouse(kMapGraph, {MouseEvent::Type::Release, MouseButton::Left, {}, 230, 70});
    EXPECT_EQ(area.selection().state, editing::BandState::Selected);
    EXPECT_EQ(area.selection().cellFlags, area.selectionCopy().cellFlags);
    EXPECT_EQ(host.paintsOf(kGridOverlay), overlayPaints + 1);
    // The captions follow within one tick.
    const int captions = host.captionRefreshes;
    tick();
    EXPECT_EQ(host.captionRefreshes, captions + 1);
    tick();
    EXPECT_EQ(host.captionRefreshes, captions + 1);
}

TEST(GraphAreaControls, PlacesTheViewControls) {
    const ui::Rect overlay = gridOverlayBounds(cellEdit(0, 0), cellUpDown(9, 9));
    const std::vector<ui::Control> controls = advanceGroupControls(kAdvanceGroup, overlay);
    auto find = [&](std::string_view name) {
        for (const ui::Control& c : controls)
            if (c.name == name) return c;
        ADD_FAILURE() << name;
        return ui::Control{};
    };
    EXPECT_EQ(find(kGridOverlay).bounds, overlay);
    EXPECT_EQ(find(kMapGraph).bounds, (ui::Rect{2, 7, 645, 420}));
    EXPECT_EQ(find(kGraph3D).bounds, (ui::Rect{175, 7, 468, 420}));
    EXPECT_EQ(find(kLegend3D).bounds, (ui::Rect{10, 170, 120, 257}));
    EXPECT_TRUE(find(kHeightColoursCheck).checked);
    const ui::Control bar = find(kAngleBars[2]);
    EXPECT_EQ(bar.bounds, (ui::Rect{25, 140, 130, 17}));
    EXPECT_EQ(std::pair(bar.min, bar.max), std::pair(-36, 36));
    EXPECT_EQ(view3DControlNames().size(), 13u);
    EXPECT_EQ(servoGraphControl(kServoGroup).bounds, (ui::Rect{2, 120, 641, 301}));
}

}  // namespace
}  // namespace tz::graphs
