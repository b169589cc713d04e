// A tuner's session from start to end in the real window against the
// simulated unit, in every language: choose a motorcycle, edit the map with
// the keyboard, the wheel and the mouse, interpolate, undo and redo, save,
// program; then start again, read the unit and save it to a second file.
// Both files must hold the same settings.
#include <gtest/gtest.h>
#include <QComboBox>
#include <QMainWindow>
#include <QTabWidget>
#include <QTest>
#include <QWheelEvent>

#include <cstdlib>

#include "fake_services.h"
#include "graphs/graph_area_controls.h"
#include "gui/application.h"
#include "params/ign_reader.h"
#include "platform/atomic_file.h"
#include "session_image.h"
#include "shown_window.h"
#include "simulator_process.h"
#include "temp_dir.h"
#include "wait_for.h"

namespace tz::gui {
namespace {

using tz::testing::waitFor;

class TunerSession : public ::testing::TestWithParam<const char*> {
  protected:
    void SetUp() override { ::setenv("TZ_ARKO5_PORTS", dir.file("unit").c_str(), 1); }
    void TearDown() override { ::unsetenv("TZ_ARKO5_PORTS"); }

    ApplicationPaths paths() const { return tz::testing::applicationPathsIn(dir); }
    static Image settingsOf(const std::string& file) {
        Image image{};
        ReadIgnFile(readWholeFile(file).value_or(""), image);
        return image;
    }

    tz::testing::TempDir dir;
    tz::testing::ScriptedDialogs dialogs;
    // The tuned map has steps the settings check finds: program anyway.
    tz::testing::ScriptedCheckDialogs checks;
};

TEST_P(TunerSession, EditSaveProgramThenReadBackTheSameSettings) {
    tz::testing::Simulator unit(TZ_SIM_PATH, dir.file("unit"), {"--saving-ms", "800"});
    {
        Application program(paths(), {GetParam()}, &dialogs, nullptr, &checks);
        program.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&program.window()));
        presenter::WindowPresenter& logic = program.logic();
        const ui::ControlModel& model = logic.controls();
        ControlBinding& binding = program.binding();
        ASSERT_TRUE(waitFor([&] { return logic.session().connected(); }, 3000));

        // A motorcycle: "Honda NSR 250 MC18 -", with the defaults.
        auto* pages = program.window().findChild<QTabWidget*>();
        pages->setCurrentIndex(1);
        auto* bike =
            qobject_cast<QComboBox*>(binding.widget(model.id(ui::ControlName{"ComboBoxBike"})));
        ASSERT_NE(bike, nullptr);
        dialogs.answers = {Answer::Yes};
        bike->setCurrentIndex(4);
        emit bike->activated(4);
        EXPECT_EQ(logic.session().image()[field::SYNC_METHOD], 6);

        // A cell typed in, then the whole map with the TPS rows.
        pages->setCurrentIndex(2);
        QWidget* cell = binding.widget(model.id(ui::ControlName{"Edit146"}));
        cell->setFocus();
        QTest::keyClick(cell, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(cell, QStringLiteral("37"));
        QTest::keyClick(cell, Qt::Key_Return);
        EXPECT_EQ(logic.session().image()[advanceCell(9, 6)], 37);

        // In 2D: drag one point up, and wheel another.
        logic.controls().setItemIndex(model.id(ui::ControlName{"RadioGroupGraphMode"}), 1);
        logic.radioClicked(model.id(ui::ControlName{"RadioGroupGraphMode"}), 1);
        tz::testing::tickWindow(program, 3);
        QWidget* map = binding.widget(model.id(ui::ControlName{graphs::kMapGraph}));
        const graphs::Point p = logic.graphs().area().mapGraph().pointAt(0, 3);
        const int before = logic.session().image()[advanceCell(9, 3)];
        QTest::mouseMove(map, QPoint(p.x, p.y));
        QTest::mousePress(map, Qt::LeftButton, {}, QPoint(p.x, p.y));
        for (int dy = 5; dy <= 30; dy += 5) QTest::mouseMove(map, QPoint(p.x, p.y - dy));
        QTest::mouseRelease(map, Qt::LeftButton, {}, QPoint(p.x, p.y - 30));
        EXPECT_GT(logic.session().image()[advanceCell(9, 3)], before);

        const graphs::Point q = logic.graphs().area().mapGraph().pointAt(0, 8);
        QTest::mouseMove(map, QPoint(q.x, q.y));
        tz::testing::tickWindow(program);
        const int wheelBefore = logic.session().image()[advanceCell(9, 8)];
        QWheelEvent wheel(QPointF(q.x, q.y), map->mapToGlobal(QPointF(q.x, q.y)), QPoint(),
                          QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(program.window().windowHandle(), &wheel);
        EXPECT_NE(logic.session().image()[advanceCell(9, 8)], wheelBefore);

        // Back to the grid with all rows: select three cells, interpolate.
        tz::testing::changeImage(logic.session(), [&](Image& im) { im[field::TPS_MAPA] = 1; });
        tz::testing::changeImage(logic.session(), [&](Image& im) { im[advanceCell(0, 0)] = 10; });
        tz::testing::changeImage(logic.session(), [&](Image& im) { im[advanceCell(0, 2)] = 40; });
        logic.controls().setItemIndex(model.id(ui::ControlName{"RadioGroupGraphMode"}), 0);
        logic.radioClicked(model.id(ui::ControlName{"RadioGroupGraphMode"}), 0);
        logic.edits().commitImage();
        binding.sync();
        QWidget* overlay = binding.widget(model.id(ui::ControlName{graphs::kGridOverlay}));
        const ui::Rect o = model[graphs::kGridOverlay].bounds;
        const ui::Rect first = model["Edit50"].bounds;
        const ui::Rect third = model["Edit52"].bounds;
        QTest::mousePress(overlay, Qt::LeftButton, {},
                          QPoint(first.left - o.left - 3, first.top - o.top + 3));
        QTest::mouseMove(overlay, QPoint(third.right() - o.left - 3, third.top - o.top + 8));
        QTest::mouseRelease(overlay, Qt::LeftButton, {},
                            QPoint(third.right() - o.left - 3, third.top - o.top + 8));
        QTest::keyClick(&program.window(), Qt::Key_I, Qt::ControlModifier);
        EXPECT_EQ(logic.session().image()[advanceCell(0, 1)], 25);

        // Undo the interpolation and redo it.
        QTest::keyClick(&program.window(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_NE(logic.session().image()[advanceCell(0, 1)], 25);
        QTest::keyClick(&program.window(), Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier);
        EXPECT_EQ(logic.session().image()[advanceCell(0, 1)], 25);

        // Save, then program until the unit has stored the settings.
        dialogs.paths = {dir.file("tuned.ign")};
        QTest::keyClick(&program.window(), Qt::Key_F2);
        ASSERT_EQ(logic.session().fileName(), dir.file("tuned.ign"));
        QTest::keyClick(&program.window(), Qt::Key_F9);
        // The unit reports its saving countdown, then the success text stays.
        const std::string saving = logic.captions().messages()[texts::Msg::MsgSaving];
        EXPECT_TRUE(waitFor([&] { return logic.messageLine().text() == saving; }, 8000))
            << logic.messageLine().text();
        const std::string ok = logic.captions().messages()[texts::Msg::MsgProgramDevice] + ": OK";
        EXPECT_TRUE(waitFor(
            [&] {
                return logic.messageLine().text() == ok &&
                       logic.session().link().state() == link::LinkState::Idle &&
                       logic.session().link().live().savingCountdown == 0;
            },
            8000))
            << logic.messageLine().text();
        program.window().close();
    }
    {
        Application program(paths(), {GetParam()}, &dialogs, nullptr, &checks);
        program.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&program.window()));
        presenter::WindowPresenter& logic = program.logic();
        ASSERT_TRUE(waitFor([&] { return logic.session().connected(); }, 3000));
        QTest::keyClick(&program.window(), Qt::Key_F7);
        const std::string ok = logic.captions().messages()[texts::Msg::MsgVerifyProgress] + ": OK";
        ASSERT_TRUE(waitFor([&] { return logic.messageLine().text() == ok; }, 5000))
            << logic.messageLine().text();
        dialogs.paths = {dir.file("read.ign")};
        QTest::keyClick(&program.window(), Qt::Key_F2);
        ASSERT_EQ(logic.session().fileName(), dir.file("read.ign"));
        program.window().close();
    }
    const Image tuned = settingsOf(dir.file("tuned.ign"));
    const Image read = settingsOf(dir.file("read.ign"));
    for (int i = 0; i < kImageSize; ++i) {
        if (isReservedByte(i)) continue;
        EXPECT_EQ(read[i], tuned[i]) << "byte " << i << " in " << GetParam();
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, TunerSession,
                         ::testing::Values("ENGLISH", "DEUTSCH", "FRANCE", "CESKY"),
                         [](const auto& param) { return std::string(param.param); });

}  // namespace
}  // namespace tz::gui
