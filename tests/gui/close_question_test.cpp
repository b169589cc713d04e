// The real window against the simulated unit: the status bar's field of what
// the unit holds, the marker on a value it holds otherwise, a click on the
// field, and the question when the window is closed meanwhile.
#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <cstdlib>

#include "design/window_design.h"
#include "fake_services.h"
#include "gui/application.h"
#include "gui/termination.h"
#include "shown_window.h"
#include "simulator_process.h"
#include "temp_dir.h"
#include "wait_for.h"

namespace tz::gui {
namespace {

using tz::testing::waitFor;

class CloseQuestion : public ::testing::Test {
  protected:
    void SetUp() override { ::setenv("TZ_ARKO5_PORTS", dir.file("unit").c_str(), 1); }
    void TearDown() override { ::unsetenv("TZ_ARKO5_PORTS"); }

    // The window connected to the unit, read, and the limiter changed from
    // 11000 to 10500 and entered.
    void readAndChangeTheLimiter(Application& program) {
        presenter::WindowPresenter& logic = program.logic();
        ASSERT_TRUE(waitFor([&] { return logic.session().connected(); }, 3000));
        QTest::keyClick(&program.window(), Qt::Key_F7);
        ASSERT_TRUE(waitFor(
            [&] { return logic.session().unitState().match == session::UnitMatch::Same; }, 5000));
        QWidget* limiter =
            program.binding().widget(logic.controls().id(ui::ControlName{"EditOmez2"}));
        limiter->setFocus();
        QTest::keyClick(limiter, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(limiter, QStringLiteral("10500"));
        QTest::keyClick(limiter, Qt::Key_Return);
    }

    tz::testing::TempDir dir;
    tz::testing::ScriptedDialogs dialogs;
    tz::testing::ScriptedComparisonDialogs comparisonDialogs;
};

TEST_F(CloseQuestion, AskedWhileTheUnitHoldsOtherSettings) {
    tz::testing::Simulator unit(TZ_SIM_PATH, dir.file("unit"), {"--saving-ms", "200"});
    Application program(tz::testing::applicationPathsIn(dir), {}, &dialogs, &comparisonDialogs);
    program.show();
    QMainWindow& window = program.window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    presenter::WindowPresenter& logic = program.logic();
    const ui::ControlModel& model = logic.controls();
    ASSERT_TRUE(waitFor([&] { return logic.session().connected(); }, 3000));
    QLabel* field = window.statusBar()->findChildren<QLabel*>(
        QString(), Qt::FindDirectChildrenOnly)[design::kUnitStatePanel];
    EXPECT_EQ(field->text(), "Unit not known");
    ASSERT_NO_FATAL_FAILURE(readAndChangeTheLimiter(program));
    ASSERT_TRUE(waitFor([&] { return field->text() == "Differs from the unit: 1"; }, 2000));
    const QWidget* marker = program.binding()
                                .widget(model.id(ui::ControlName{"EditOmez2"}))
                                ->findChild<QWidget*>("unitMarker");
    ASSERT_NE(marker, nullptr);
    EXPECT_TRUE(marker->isVisible());

    // A click on the field compares with the unit.
    QTest::mouseClick(field, Qt::LeftButton);
    ASSERT_TRUE(waitFor([&] { return comparisonDialogs.comparisons.size() == 1; }, 5000));

    dialogs.choices = {2};
    window.close();
    EXPECT_TRUE(window.isVisible()) << "Cancel keeps the window";
    ASSERT_EQ(dialogs.choiceQuestions.size(), 1u);

    dialogs.choices = {0};
    window.close();
    EXPECT_TRUE(window.isVisible()) << "open until the unit is programmed";
    ASSERT_TRUE(waitFor([&] { return !window.isVisible(); }, 10000));
    EXPECT_EQ(logic.session().unitState().match, session::UnitMatch::Same);
    EXPECT_EQ(dialogs.choiceQuestions.size(), 2u);
}

TEST_F(CloseQuestion, ASecondSignalWhileTheUserIsAskedClosesWithoutAnAnswer) {
    tz::testing::Simulator unit(TZ_SIM_PATH, dir.file("unit"), {});
    Application program(tz::testing::applicationPathsIn(dir), {});
    program.show();
    QMainWindow& window = program.window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    closeOnTerminationSignals(window);
    ASSERT_NO_FATAL_FAILURE(readAndChangeTheLimiter(program));

    // The first signal asks; the second comes while the question is open.
    QTimer::singleShot(0, [] { ::raise(SIGTERM); });
    bool asked = false;
    QTimer::singleShot(300, [&] {
        asked = QApplication::activeModalWidget() != nullptr;
        ::raise(SIGTERM);
    });
    EXPECT_TRUE(waitFor([&] { return !window.isVisible(); }, 5000));
    EXPECT_TRUE(asked);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(program.logic().session().unitState().match, session::UnitMatch::Differs)
        << "closed without programming";
}

}  // namespace
}  // namespace tz::gui
