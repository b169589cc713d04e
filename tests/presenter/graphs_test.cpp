#include "graphs/graph_area_controls.h"
#include "session_image.h"
#include "window_fixture.h"

namespace tz {
namespace {

using namespace field;
using testing::WindowTest;

PointerEvent at(PointerEvent::Type type, graphs::Point p, bool shift = false, bool ctrl = false) {
    PointerEvent e;
    e.type = type;
    e.x = p.x;
    e.y = p.y;
    e.shift = shift;
    e.ctrl = ctrl;
    return e;
}

class WindowGraphs : public WindowTest {
  protected:
    presenter::WindowPresenter& startOnAdvancePage() {
        presenter::WindowPresenter& w = start();
        w.pageChanged(id("PageControl1"), 2);
        w.tick();
        return w;
    }
};

TEST_F(WindowGraphs, GraphModeSwitchShowsTheGraphsAndDrawsOnlyChanges) {
    presenter::WindowPresenter& w = startOnAdvancePage();
    // Without the TPS map the map graph sits below the single row of cells.
    EXPECT_TRUE(control(graphs::kMapGraph).visible);
    EXPECT_EQ(control(graphs::kMapGraph).bounds.top, 100);
    EXPECT_TRUE(control(graphs::kGridOverlay).visible);

    w.radioClicked(id("RadioGroupGraphMode"), 2);
    EXPECT_FALSE(control(graphs::kMapGraph).visible);
    EXPECT_TRUE(control(graphs::kGraph3D).visible);
    EXPECT_TRUE(control(graphs::kIsoButton).visible);
    EXPECT_FALSE(control("Edit140").visible);
    EXPECT_FALSE(control(graphs::kGridOverlay).visible);

    w.radioClicked(id("RadioGroupGraphMode"), 1);
    EXPECT_TRUE(control(graphs::kMapGraph).visible);
    EXPECT_FALSE(control(graphs::kGraph3D).visible);
    EXPECT_EQ(control(graphs::kMapGraph).bounds.top, 7);

    w.tick();
    EXPECT_GT(surfaces.paints[id(graphs::kMapGraph)], 0);
    const int paints = surfaces.paints[id(graphs::kMapGraph)];
    w.tick();
    w.tick();
    EXPECT_EQ(surfaces.paints[id(graphs::kMapGraph)], paints) << "nothing changed, nothing drawn";
}

TEST_F(WindowGraphs, DraggingAPointOfTheMapGraphIsOneUndoableStep) {
    presenter::WindowPresenter& w = startOnAdvancePage();
    w.radioClicked(id("RadioGroupGraphMode"), 1);
    w.tick();
    const ui::ControlId map = id(graphs::kMapGraph);
    const int before = w.session().image()[advanceCell(9, 4)];
    graphs::TGraph2D& graph = w.graphs().area().mapGraph();
    const graphs::Point p = graph.pointAt(0, 4);
    w.canvasMouse(map, at(PointerEvent::Type::Move, p));
    w.canvasMouse(map, at(PointerEvent::Type::Press, p));
    for (int dy = 4; dy <= 40; dy += 4)
        w.canvasMouse(map, at(PointerEvent::Type::Move, {p.x, p.y - dy}));
    w.canvasMouse(map, at(PointerEvent::Type::Release, {p.x, p.y - 40}));
    const int after = w.session().image()[advanceCell(9, 4)];
    EXPECT_GT(after, before);
    EXPECT_EQ(control("Edit144").caption, std::to_string(after));

    w.clicked(id("MenuZpet"));
    EXPECT_EQ(w.session().image()[advanceCell(9, 4)], before);
    EXPECT_FALSE(control("MenuZpet").enabled) << "the drag was a single step";
}

TEST_F(WindowGraphs, SelectedCellsLimitTheShiftAndCanBeInterpolated) {
    presenter::WindowPresenter& w = startOnAdvancePage();
    tz::testing::changeImage(w.session(), [&](Image& im) { im[TPS_MAPA] = 1; });
    w.edits().commitImage();
    const ui::ControlId overlay = id(graphs::kGridOverlay);
    // A band over row 0, columns 0..2, drawn on the overlay in its own pixels.
    const ui::Rect o = control(graphs::kGridOverlay).bounds;
    const ui::Rect first = control("Edit50").bounds;
    const ui::Rect third = control("Edit52").bounds;
    const graphs::Point from{first.left - o.left + 2, first.top - o.top + 2};
    const graphs::Point to{third.left - o.left + 5, third.top - o.top + 5};
    w.canvasMouse(overlay, at(PointerEvent::Type::Press, from));
    w.canvasMouse(overlay, at(PointerEvent::Type::Move, to));
    w.canvasMouse(overlay, at(PointerEvent::Type::Release, to));
    w.tick();
    EXPECT_EQ(control("CheckBoxIgnAll").caption, "Sel");

    tz::testing::changeImage(w.session(), [&](Image& im) { im[advanceCell(0, 0)] = 10; });
    tz::testing::changeImage(w.session(), [&](Image& im) { im[advanceCell(0, 1)] = 0; });
    tz::testing::changeImage(w.session(), [&](Image& im) { im[advanceCell(0, 2)] = 40; });
    w.edits().commitImage();
    w.clicked(id("MenuInterpol"));
    // Columns weigh by their speeds: 1000, 2000, 3000 rpm put the middle halfway.
    EXPECT_EQ(w.session().image()[advanceCell(0, 1)], 25);

    controls().userSetChecked(id("CheckBoxIgnAll"), true);
    const int outside = w.session().image()[advanceCell(5, 5)];
    w.clicked(id("AdvancePlus"));
    EXPECT_EQ(w.session().image()[advanceCell(0, 0)], 11);
    EXPECT_EQ(w.session().image()[advanceCell(5, 5)], outside);
}

TEST_F(WindowGraphs, TheOverlayIsDrawnAgainAtTheTickAfterItsSizeChanged) {
    presenter::WindowPresenter& w = startOnAdvancePage();
    const ui::ControlId overlay = id(graphs::kGridOverlay);
    const int height = control(graphs::kGridOverlay).bounds.height;
    // The toolkit resizes the surface only when it mirrors the new bounds,
    // after the event that changed them: a picture drawn during the event
    // has the old size.
    tz::testing::changeImage(w.session(), [&](Image& im) { im[TPS_MAPA] = 1; });
    w.edits().commitImage();
    ASSERT_GT(control(graphs::kGridOverlay).bounds.height, height);
    const int paints = surfaces.paints[overlay];
    w.tick();
    EXPECT_EQ(surfaces.paints[overlay], paints + 1);
    w.tick();
    EXPECT_EQ(surfaces.paints[overlay], paints + 1) << "once is enough";
}

TEST_F(WindowGraphs, InterpolationWithoutARectangleSaysSo) {
    presenter::WindowPresenter& w = startOnAdvancePage();
    w.clicked(id("MenuInterpol"));
    EXPECT_EQ(dialogs.errors,
              std::vector<std::string>{"Choose continuouse rectangle arrea of cells..."});
}

TEST_F(WindowGraphs, ViewPresetsAndMouseRotationMoveTheAngleBars) {
    presenter::WindowPresenter& w = startOnAdvancePage();
    w.radioClicked(id("RadioGroupGraphMode"), 2);
    w.clicked(id(graphs::kTopButton));
    EXPECT_EQ(control(graphs::kAngleBars[0]).position, -18);
    w.clicked(id(graphs::kIso2Button));
    EXPECT_EQ(control(graphs::kAngleBars[1]).position, 28);

    w.tick();
    const ui::ControlId view = id(graphs::kGraph3D);
    const int x = control(graphs::kGraph3D).bounds.width / 2;
    const int y = control(graphs::kGraph3D).bounds.height / 2;
    w.canvasMouse(view, at(PointerEvent::Type::Press, {x, y}));
    w.canvasMouse(view, at(PointerEvent::Type::Move, {x + 60, y + 30}));
    w.canvasMouse(view, at(PointerEvent::Type::Release, {x + 60, y + 30}));
    const bool moved = control(graphs::kAngleBars[0]).position != -8 ||
                       control(graphs::kAngleBars[1]).position != 28;
    EXPECT_TRUE(moved);

    controls().userSetChecked(id(graphs::kFillCheck), false);
    w.checkBoxReleased(id(graphs::kFillCheck));
    EXPECT_FALSE(control(graphs::kHeightColoursCheck).enabled);
}

}  // namespace
}  // namespace tz
