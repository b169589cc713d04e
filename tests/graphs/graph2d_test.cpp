#include "graphs/graph2d.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "canvas/recording_canvas.h"
#include "fake_graph_host.h"

namespace tz::graphs {
namespace {

using test::FakeGraphHost;

// The map graph over the fake host's map: breakpoints 1000..10000 rpm,
// every cell 20, base 10, limiter 11000, TPS map on.
class MapGraphTest : public ::testing::Test {
  protected:
    MapGraphTest() {
        graph.selection = &selection;
        graph.partnerSelection = &partner;
        graph.setSize(600, 420);
        graph.LoadFromImage();
        graph.Rescale();
    }

    void press(Point p, Keys keys = {}) { graph.mouseDown(MouseButton::Left, keys, p.x, p.y); }
    void move(Point p, Keys keys = {}) { graph.mouseMove(keys, p.x, p.y); }
    void release(Point p, Keys keys = {}) { graph.mouseUp(MouseButton::Left, keys, p.x, p.y); }
    std::uint8_t cell(int r, int c) const { return host.state.image[advanceCell(r, c)]; }
    int cellsAt(int value) const {
        int n = 0;
        for (int i = 0; i < 100; ++i) n += host.state.image[field::ADVANCE + i] == value ? 1 : 0;
        return n;
    }

    FakeGraphHost host;
    editing::TSelcell selection;
    editing::TSelcell partner;
    TGraph2D graph{host, GraphSource::AdvanceMap, "ImageGraphMap"};
};

TEST_F(MapGraphTest, HoverFindsThePointWithinFivePixels) {
    const Point p = graph.pointAt(3, 4);
    move({p.x + 2, p.y - 3});
    EXPECT_EQ(graph.mouse.hoverIndex, 4);
    EXPECT_EQ(graph.mouse.hoverRow, 3);
    EXPECT_EQ(graph.mouse.grabDX, 2);
    EXPECT_EQ(graph.mouse.grabDY, -3);

    move({p.x + 6, p.y});
    EXPECT_EQ(graph.mouse.hoverIndex, kNoPoint);
    EXPECT_EQ(graph.mouse.hoverRow, 3);  // still the nearest row

    move({graph.limiterX() + 4, 300});
    EXPECT_EQ(graph.mouse.hoverIndex, kLimiterLine);

    graph.mouseLeave();
    EXPECT_EQ(graph.mouse.hoverIndex, kNoPoint);
    EXPECT_FALSE(graph.mouse.inside);
}

TEST_F(MapGraphTest, DragReachesTheRowColumnOrMapWithShiftAndCtrl) {
    struct Case {
        const char* name;
        Keys keys;
        int changed;
    } cases[] = {{"point", {}, 1},
                 {"Shift: row", {true, false}, 10},
                 {"Ctrl: column", {false, true}, 10},
                 {"both: map", {true, true}, 100}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        FakeGraphHost h;
        TGraph2D g(h, GraphSource::AdvanceMap, "ImageGraphMap");
        g.setSize(600, 420);
        g.LoadFromImage();
        g.Rescale();
        const Point p = g.pointAt(5, 4);
        g.mouseDown(MouseButton::Left, k.keys, p.x, p.y);
        // Two degrees up: seven pixels at 400 / 115 pixels per degree.
        g.mouseMove(k.keys, p.x, p.y - 7);
        EXPECT_EQ(h.commits, 0);
        EXPECT_GE(h.normalisations, 1);
        g.mouseUp(MouseButton::Left, k.keys, p.x, p.y - 7);
        EXPECT_EQ(h.commits, 1);
        int changed = 0;
        for (int i = 0; i < 100; ++i) changed += h.state.image[field::ADVANCE + i] == 22 ? 1 : 0;
        EXPECT_EQ(changed, k.changed);
        EXPECT_EQ(h.state.image[advanceCell(5, 4)], 22);
        EXPECT_EQ(g.mouse.dragIndex, kNoPoint);
    }
}

TEST_F(MapGraphTest, DraggingAColumnMovesItsBreakpointInStepsOf100Rpm) {
    const Point p = graph.pointAt(2, 4);
    press(p);
    move({p.x + 14, p.y});  // 333 rpm to the right
    release({p.x + 14, p.y});
    EXPECT_EQ(host.state.image[field::RPM_ADV + 4], 53);
    EXPECT_EQ(graph.curve.xs[4], 5300);
    EXPECT_EQ(cellsAt(20), 100);
    EXPECT_EQ(host.commits, 1);
}

TEST_F(MapGraphTest, ValueDraggedAbove255IsStoredAs255) {
    const Point p = graph.pointAt(5, 4);
    press(p);
    move({p.x, p.y - 1000});
    release({p.x, p.y - 1000});
    EXPECT_EQ(cell(5, 4), 255);
    EXPECT_EQ(host.commits, 1);
}

TEST_F(MapGraphTest, BasePointAndLimiterLineAreDragged) {
    const Point base = graph.pointAt(9, kBasePoint);
    press(base);
    EXPECT_EQ(graph.mouse.dragIndex, kBasePoint);
    move({base.x, base.y - 7});
    release({base.x, base.y - 7});
    EXPECT_EQ(host.state.image[field::BASE_ADV], 12);

    const int x = graph.limiterX();
    press({x, 300});
    EXPECT_EQ(graph.mouse.dragIndex, kLimiterLine);
    move({x + 21, 300});
    release({x + 21, 300});
    EXPECT_EQ(host.state.image[field::LIMITER_RPM], 115);
    EXPECT_EQ(host.commits, 2);
}

TEST_F(MapGraphTest, ADraggedPointShowsItsValuesBesideThePointer) {
    EXPECT_EQ(graph.dragLabel(), "");
    const Point p = graph.pointAt(3, 4);
    press(p);
    EXPECT_EQ(graph.dragLabel(), "5000 rpm  10 %  20\u00B0");
    move({p.x, p.y - 40});
    const std::string label = graph.dragLabel();
    EXPECT_NE(label, "5000 rpm  10 %  20\u00B0") << "follows the drag";

    // Drawn in a box inside the graph, even with the pointer at its corner.
    for (const Point pointer : {Point{p.x, p.y - 40}, Point{599, 0}}) {
        graph.mouse.x = pointer.x;
        graph.mouse.y = pointer.y;
        RecordingCanvas canvas(600, 420);
        graph.Draw(canvas);
        const auto text = std::find_if(canvas.calls().begin(), canvas.calls().end(),
                                       [&](const DrawCall& c) { return c.text == label; });
        ASSERT_NE(text, canvas.calls().end());
        const Point corner = text->points.front();
        EXPECT_GE(corner.x, 0);
        EXPECT_GE(corner.y, 0);
        EXPECT_LE(corner.x + canvas.textWidth(label), 600);
    }

    release({p.x, p.y - 40});
    EXPECT_EQ(graph.dragLabel(), "");
    const Point base = graph.pointAt(9, kBasePoint);
    press(base);
    EXPECT_EQ(graph.dragLabel(), "0 rpm  10\u00B0");
    release(base);
    press({graph.limiterX(), 300});
    EXPECT_EQ(graph.dragLabel(), "11000 rpm");
}

TEST_F(MapGraphTest, PointerFollowsThePointWhenTheAxesAreRescaled) {
    // Raising column 4 with Ctrl lifts the top row and so the value scale.
    const Point p = graph.pointAt(5, 4);
    press(p, {false, true});
    move({p.x, p.y - 70}, {false, true});
    ASSERT_EQ(host.pointerMoves.size(), 1u);
    const Point target = host.pointerMoves[0];
    EXPECT_EQ(target.x, p.x);
    EXPECT_EQ(target.y, graph.pointAt(5, 4).y);
    // The move caused by the pointer jump is ignored.
    const double value = graph.curve.value(5, 4);
    move(target, {false, true});
    EXPECT_EQ(graph.curve.value(5, 4), value);
    EXPECT_FALSE(graph.mouse.skipNextMove);
}

TEST_F(MapGraphTest, RubberBandSelectsPointsAndCopiesToThePartner) {
    press({150, 5});
    EXPECT_TRUE(selection.banding());
    move({220, 65});
    release({220, 65});
    EXPECT_EQ(selection.state, editing::BandState::Selected);
    for (auto [r, c] : {std::pair{0, 2}, {0, 3}, {1, 2}, {1, 3}})
        EXPECT_NE(selection.flags(r, c) & editing::kCellSelected, 0) << r << c;
    int selected = 0;
    for (std::int16_t f : selection.cellFlags) selected += f != 0 ? 1 : 0;
    EXPECT_EQ(selected, 4);
    EXPECT_EQ(partner.cellFlags, selection.cellFlags);
    EXPECT_EQ(partner.state, editing::BandState::Selected);
    EXPECT_EQ(host.commits, 0);
}

TEST_F(MapGraphTest, WheelTargets) {
    // Hovered point first, then the selection, then the live cell.
    const Point p = graph.pointAt(6, 7);
    move(p);
    bool handled = false;
    graph.Wheel(120, handled);
    EXPECT_TRUE(handled);
    EXPECT_EQ(cell(6, 7), 21);
    EXPECT_EQ(host.commits, 1);

    move({150, 5});
    selection.state = editing::BandState::Selected;
    selection.cellFlags[10 * 1 + 1] = editing::kCellSelected;
    selection.cellFlags[10 * 2 + 2] = editing::kCellSelected;
    graph.Wheel(-120, handled);
    EXPECT_EQ(cell(1, 1), 19);
    EXPECT_EQ(cell(2, 2), 19);
    EXPECT_EQ(cellsAt(20), 97);

    selection = {};
    graph.TrackLive(3000, 45, true);
    graph.Wheel(1, handled);
    EXPECT_EQ(cell(6, 2), 21);  // 3000 rpm, 45 % -> column 2, row 6
    EXPECT_EQ(host.commits, 3);
}

TEST_F(MapGraphTest, WheelDoesNothingWhileTheEngineStands) {
    graph.TrackLive(0, 50, true);
    bool handled = false;
    graph.Wheel(1, handled);
    EXPECT_FALSE(handled);
    EXPECT_EQ(host.commits, 0);
    EXPECT_EQ(cellsAt(20), 100);
}

TEST_F(MapGraphTest, StatusTexts) {
    const Point p = graph.pointAt(4, 3);
    move(p);
    EXPECT_EQ(graph.statusText(), "  rpm=4000; advance=20\u00B0");
    press(p);
    EXPECT_EQ(graph.statusText(), "  rpm=4000; advance=20\u00B0 (move)");
    release(p);
    move(graph.pointAt(9, kBasePoint));
    EXPECT_EQ(graph.statusText(), "  BASE advance=10\u00B0");
    move({graph.limiterX(), 300});
    EXPECT_EQ(graph.statusText(), "  Limiter=11000");
    RecordingCanvas canvas(600, 420);
    graph.Draw(canvas);
    EXPECT_EQ(host.hints["ImageGraphMap"], "  Limiter=11000");
    graph.mouseLeave();
    EXPECT_EQ(host.hints["ImageGraphMap"], "");
}

TEST_F(MapGraphTest, LabelsOfTheAxesAndRows) {
    struct Case {
        int lastBreakpoint;  // hundreds of rpm
        std::vector<std::string> speeds;
    } cases[] = {
        {100, {"0k", "1k", "2k", "3k", "4k", "5k", "6k", "7k", "8k", "9k", "10k", "11k", "12k"}},
        {140, {"0k", "2k", "4k", "6k", "8k", "10k", "12k", "14k"}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.lastBreakpoint);
        host.state.image[field::RPM_ADV + 9] = static_cast<std::uint8_t>(k.lastBreakpoint);
        host.state.image[field::LIMITER_RPM] = 90;
        graph.LoadFromImage();
        graph.dirtyFlags = kRescale;
        graph.TrackLive(3000, 45, true);
        RecordingCanvas canvas(600, 420);
        graph.Draw(canvas);
        std::vector<std::string> speeds;
        std::vector<std::string> rows;
        for (const DrawCall& c : canvas.calls()) {
            if (c.op != DrawOp::Text) continue;
            if (c.text.back() == 'k') speeds.push_back(c.text);
            if (c.text.back() == '%') {
                rows.push_back(c.text);
                EXPECT_EQ(c.brush, c.text == "40%" ? colour::kLime : graph.background);
            }
        }
        EXPECT_EQ(speeds, k.speeds);
        EXPECT_EQ(rows, (std::vector<std::string>{"0%", "2%", "5%", "10%", "20%", "30%", "40%",
                                                  "60%", "80%", "100%"}));
    }
}

TEST_F(MapGraphTest, HoverMarksFollowShiftAndCtrl) {
    struct Case {
        const char* name;
        Keys keys;
        std::size_t marks;
    } cases[] = {{"point", {}, 1},
                 {"Shift: row", {true, false}, 10},
                 {"Ctrl: column", {false, true}, 10},
                 {"both: map", {true, true}, 100}};
    const Point p = graph.pointAt(5, 4);
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        move({p.x + 1, p.y}, k.keys);
        move(p, k.keys);
        RecordingCanvas canvas(600, 420);
        graph.Draw(canvas);
        std::size_t marks = 0;
        for (const DrawCall& c : canvas.calls())
            marks += c.op == DrawOp::FrameRect && c.pen == colour::kRed ? 1 : 0;
        EXPECT_EQ(marks, k.marks);
    }
}

TEST_F(MapGraphTest, SegmentsBetweenSelectedPointsAreBlue) {
    selection.cellFlags[10 * 5 + 3] = editing::kCellSelected;
    selection.cellFlags[10 * 5 + 4] = editing::kCellSelected;
    RecordingCanvas canvas(600, 420);
    graph.Draw(canvas);
    std::size_t blueLines = 0;
    std::size_t framedPoints = 0;
    for (const DrawCall& c : canvas.calls()) {
        blueLines += c.op == DrawOp::Line && c.pen == colour::kBlue ? 1 : 0;
        framedPoints += c.op == DrawOp::RoundRect && c.corner == 5 ? 1 : 0;
    }
    EXPECT_EQ(blueLines, 4u);  // one segment, four strokes
    EXPECT_EQ(framedPoints, 2u);
}

TEST(GraphTrackLive, NearestColumnAndRow) {
    FakeGraphHost host;
    TGraph2D graph(host, GraphSource::AdvanceMap, "ImageGraphMap");
    graph.LoadFromImage();
    struct Case {
        int rpm;
        int tps;
        bool tpsMap;
        int column;
        int row;
    } cases[] = {
        {0, 50, true, kNoPoint, 7}, {400, 0, true, 0, 0},    {1499, 1, true, 0, 1},
        {1500, 15, true, 1, 4},     {9600, 100, true, 9, 9}, {30000, 90, true, 9, 9},
        {2000, 35, false, 1, 9},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.rpm);
        graph.TrackLive(k.rpm, k.tps, k.tpsMap);
        EXPECT_EQ(graph.live.column, k.column);
        EXPECT_EQ(graph.live.row, k.row);
        EXPECT_TRUE(graph.live.marker);
    }
}

TEST(GraphTrackLive, RedrawsOnlyOnAChangeInTheMask) {
    FakeGraphHost host;
    TGraph2D graph(host, GraphSource::AdvanceMap, "ImageGraphMap");
    graph.LoadFromImage();
    graph.TrackLive(3000, 20, true);
    graph.dirtyFlags = 0;
    graph.TrackLive(3000, 20, true);
    EXPECT_EQ(graph.dirtyFlags, 0);
    graph.live.redrawMask = 1;
    graph.TrackLive(3000, 30, true);
    EXPECT_EQ(graph.dirtyFlags, 0);
    EXPECT_EQ(graph.live.row, 5);
    graph.TrackLive(3100, 30, true);
    EXPECT_EQ(graph.dirtyFlags, kRedraw);
}

TEST(GraphTrackLive, FindsTheLivePointAgainAfterReloading) {
    // The engine holds its speed while the breakpoints move under it.
    FakeGraphHost host;
    TGraph2D graph(host, GraphSource::AdvanceMap, "ImageGraphMap");
    graph.LoadFromImage();
    graph.TrackLive(3000, 20, true);
    EXPECT_EQ(graph.live.column, 2);
    host.state.image[field::RPM_ADV + 1] = 29;
    host.state.image[field::RPM_ADV + 2] = 32;
    graph.LoadFromImage();
    EXPECT_EQ(graph.live.column, kNoPoint);
    graph.TrackLive(3000, 20, true);
    EXPECT_EQ(graph.live.column, 1);
}

class ServoGraphTest : public ::testing::Test {
  protected:
    ServoGraphTest() {
        graph.selection = &selection;
        graph.setSize(600, 300);
        graph.LoadFromImage();
        graph.Rescale();
    }
    FakeGraphHost host;
    editing::TSelcell selection;
    TGraph2D graph{host, GraphSource::ServoCurve, "ImageGraphServo"};
};

TEST_F(ServoGraphTest, LoadsTheServoCurve) {
    EXPECT_EQ(graph.curve.mode, kSingleCurve);
    EXPECT_FALSE(graph.curve.baseShown);
    EXPECT_DOUBLE_EQ(graph.curve.labelScale, 20.0);
    EXPECT_EQ(graph.curve.valueAxisName, "U");
    for (int c = 0; c < 10; ++c) {
        EXPECT_EQ(graph.curve.xs[c], host.state.image[field::SERVO_RPM + c] * 100);
        EXPECT_EQ(graph.curve.z[c], host.state.image[field::SERVO_MV + c]);
    }
}

TEST_F(ServoGraphTest, HoverHighlightsAndOnlyAClickOnAPointFocusesItsVoltageEdit) {
    graph.mouseDown(MouseButton::Left, {}, 3, 3);
    EXPECT_EQ(selection.state, editing::BandState::Empty);
    graph.mouseUp(MouseButton::Left, {}, 3, 3);
    EXPECT_EQ(host.commits, 0);

    const Point p = graph.pointAt(9, 3);
    graph.mouseMove({}, p.x, p.y);
    EXPECT_EQ(graph.mouse.hoverIndex, 3);
    EXPECT_TRUE(host.focused.empty()) << "the edit box being typed in keeps the focus";
    EXPECT_EQ(graph.statusText(), "");
    graph.mouseDown(MouseButton::Left, {}, p.x, p.y);
    EXPECT_EQ(host.focused, (std::vector<std::string>{"EditNapPriv4"}));
}

TEST_F(ServoGraphTest, ADraggedPointShowsItsSpeedAndVoltage) {
    const Point p = graph.pointAt(9, 2);
    graph.mouseDown(MouseButton::Left, {}, p.x, p.y);
    EXPECT_EQ(graph.dragLabel(),
              std::to_string(host.state.image[field::SERVO_RPM + 2] * 100) + " rpm  " +
                  std::to_string(host.state.image[field::SERVO_MV + 2] * 20) + " mV");
}

TEST_F(ServoGraphTest, ShiftDragMovesEveryVoltage) {
    const Image before = host.state.image;
    const Point p = graph.pointAt(9, 5);
    graph.mouseDown(MouseButton::Left, {true, false}, p.x, p.y);
    const int pixelsPerUnit = static_cast<int>(graph.axes.scaleY) + 1;
    graph.mouseMove({true, false}, p.x, p.y - 3 * pixelsPerUnit);
    graph.mouseUp(MouseButton::Left, {true, false}, p.x, p.y - 3 * pixelsPerUnit);
    const int delta = host.state.image[field::SERVO_MV + 5] - before[field::SERVO_MV + 5];
    EXPECT_GT(delta, 0);
    for (int c = 0; c < 10; ++c)
        EXPECT_EQ(host.state.image[field::SERVO_MV + c], before[field::SERVO_MV + c] + delta);
    EXPECT_EQ(host.commits, 1);
}

TEST(MapGraphSingleRow, TpsMapOffShowsAndEditsTheLastRow) {
    FakeGraphHost host;
    host.state.image[field::TPS_MAPA] = 0;
    host.state.image[advanceCell(9, 2)] = 33;
    TGraph2D graph(host, GraphSource::AdvanceMap, "ImageGraphMap");
    graph.setSize(600, 300);
    graph.LoadFromImage();
    graph.Rescale();
    EXPECT_EQ(graph.curve.mode, kSingleCurve);
    EXPECT_EQ(graph.curve.z[2], 33);
    graph.TrackLive(3000, 0, false);
    bool handled = false;
    graph.Wheel(1, handled);
    EXPECT_EQ(host.state.image[advanceCell(9, 2)], 34);
    EXPECT_EQ(host.state.image[advanceCell(0, 2)], 20);
}

}  // namespace
}  // namespace tz::graphs
