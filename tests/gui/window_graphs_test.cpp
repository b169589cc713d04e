// Editing the advance map with the mouse in the real window, under the
// offscreen platform.
#include <gtest/gtest.h>
#include <QMainWindow>
#include <QTabWidget>
#include <QTest>

#include <cstdlib>

#include "graphs/graph_area_controls.h"
#include "gui/application.h"
#include "gui/control_widgets.h"
#include "quiet_device.h"
#include "session_image.h"
#include "shown_window.h"
#include "temp_dir.h"
#include "wait_for.h"

namespace tz::gui {
namespace {

class WindowGraphs : public ::testing::Test {
  protected:
    void SetUp() override {
        ::setenv("TZ_ARKO5_PORTS", device.path().c_str(), 1);
        program = std::make_unique<Application>(tz::testing::applicationPathsIn(dir),
                                                std::vector<std::string>{});
        program->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&program->window()));
        // The user opens the "Advance Map" tab.
        program->window().findChild<QTabWidget*>()->setCurrentIndex(2);
    }
    void TearDown() override {
        program->window().close();
        ::unsetenv("TZ_ARKO5_PORTS");
    }

    presenter::WindowPresenter& logic() { return program->logic(); }
    const ui::ControlModel& model() { return program->logic().controls(); }
    QWidget* widget(std::string_view name) {
        return program->binding().widget(model().id(ui::ControlName{name}));
    }
    void chooseGraphMode(int mode) {
        // As a click: the radio group shows the mode, then the logic hears of it.
        logic().controls().setItemIndex(model().id(ui::ControlName{"RadioGroupGraphMode"}), mode);
        logic().radioClicked(model().id(ui::ControlName{"RadioGroupGraphMode"}), mode);
        // A few ticks: the graphs draw themselves.
        tz::testing::tickWindow(*program, 3);
    }

    tz::testing::TempDir dir;
    tz::testing::QuietDevice device;
    std::unique_ptr<Application> program;
};

TEST_F(WindowGraphs, DragAPointOfTheMapGraphAndUndoIt) {
    chooseGraphMode(1);
    QWidget* map = widget(graphs::kMapGraph);
    ASSERT_NE(map, nullptr);
    ASSERT_TRUE(map->isVisible());
    const int before = logic().session().image()[advanceCell(9, 4)];
    const graphs::Point p = logic().graphs().area().mapGraph().pointAt(0, 4);
    QTest::mouseMove(map, QPoint(p.x, p.y));
    QTest::mousePress(map, Qt::LeftButton, {}, QPoint(p.x, p.y));
    for (int dy = 5; dy <= 50; dy += 5) QTest::mouseMove(map, QPoint(p.x, p.y - dy));
    QTest::mouseRelease(map, Qt::LeftButton, {}, QPoint(p.x, p.y - 50));
    const int after = logic().session().image()[advanceCell(9, 4)];
    EXPECT_GT(after, before);

    QTest::keyClick(&program->window(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(logic().session().image()[advanceCell(9, 4)], before);
}

TEST_F(WindowGraphs, SelectCellsOnTheGridAndInterpolate) {
    // All ten rows, so that a band covers cells of row 0.
    tz::testing::changeImage(logic().session(), [&](Image& m) { m[field::TPS_MAPA] = 1; });
    tz::testing::changeImage(logic().session(), [&](Image& m) { m[advanceCell(0, 0)] = 10; });
    tz::testing::changeImage(logic().session(), [&](Image& m) { m[advanceCell(0, 1)] = 0; });
    tz::testing::changeImage(logic().session(), [&](Image& m) { m[advanceCell(0, 2)] = 40; });
    logic().edits().commitImage();
    program->binding().sync();
    QWidget* overlay = widget(graphs::kGridOverlay);
    ASSERT_NE(overlay, nullptr);
    const ui::Rect o = model()[graphs::kGridOverlay].bounds;
    const ui::Rect first = model()["Edit50"].bounds;
    const ui::Rect third = model()["Edit52"].bounds;
    const QPoint from(first.left - o.left - 3, first.top - o.top + 3);
    const QPoint to(third.right() - o.left - 3, third.top - o.top + 8);
    QTest::mousePress(overlay, Qt::LeftButton, {}, from);
    QTest::mouseMove(overlay, to);
    QTest::mouseRelease(overlay, Qt::LeftButton, {}, to);
    // The graph service of the next tick sees the new selection.
    tz::testing::tickWindow(*program);
    EXPECT_EQ(model()["CheckBoxIgnAll"].caption, "Sel");

    QTest::keyClick(&program->window(), Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(logic().session().image()[advanceCell(0, 1)], 25);
}

TEST_F(WindowGraphs, RotateThe3DViewWithTheMouse) {
    chooseGraphMode(2);
    QWidget* view = widget(graphs::kGraph3D);
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(view->isVisible());
    const int x = model()[graphs::kAngleBars[0]].position;
    const int y = model()[graphs::kAngleBars[1]].position;
    const QPoint centre(view->width() / 2, view->height() / 2);
    QTest::mousePress(view, Qt::LeftButton, {}, centre);
    for (int d = 10; d <= 80; d += 10) QTest::mouseMove(view, centre + QPoint(d, d / 2));
    QTest::mouseRelease(view, Qt::LeftButton, {}, centre + QPoint(80, 40));
    EXPECT_TRUE(model()[graphs::kAngleBars[0]].position != x ||
                model()[graphs::kAngleBars[1]].position != y);
}

// Pictures of the three graph modes with and without the TPS map; written
// into TZ_SCREENSHOT_DIR when it is set (scripts/screenshots.sh sets it).
TEST_F(WindowGraphs, PicturesOfTheGraphModes) {
    const char* directory = std::getenv("TZ_SCREENSHOT_DIR");
    for (int tps : {0, 1}) {
        tz::testing::changeImage(logic().session(), [&](Image& im) {
            im[field::TPS_MAPA] = static_cast<std::uint8_t>(tps);
        });
        logic().edits().commitImage();
        for (int mode : {0, 1, 2}) {
            chooseGraphMode(mode);
            const QPixmap picture = program->window().grab();
            EXPECT_FALSE(picture.isNull());
            if (directory) {
                const QString file = QStringLiteral("%1/graph_mode%2_tps%3.png")
                                         .arg(QString::fromUtf8(directory))
                                         .arg(mode)
                                         .arg(tps);
                EXPECT_TRUE(picture.save(file));
            }
        }
    }
}

}  // namespace
}  // namespace tz::gui
