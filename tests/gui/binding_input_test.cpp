// User input: each action is recorded in the model before the logic hears
// of it, and reaches the logic once.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>

#include "gui/control_widgets.h"
#include "gui/qt_services.h"
#include "gui_fixture.h"

namespace tz::gui::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

void click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton);
}

TEST_F(BoundTest, ClicksReachTheLogic) {
    struct Case {
        const char* what;
        std::function<QWidget*()> target;
        Strings expected;
    };
    auto arrows = [this](const char* name) { return widget<ArrowPair>(name); };
    const Case cases[] = {
        {"button", [&] { return widget("Button"); }, {"click Button"}},
        {"speed button", [&] { return widget("Speed"); }, {"click Speed"}},
        {"spin up", [&] { return arrows("Spin")->upButton(); }, {"spin Spin 1"}},
        {"spin down", [&] { return arrows("Spin")->downButton(); }, {"spin Spin -1"}},
        {"up/down up", [&] { return arrows("UpDown1")->upButton(); }, {"upDown UpDown1 1 text=11"}},
        {"up/down down",
         [&] { return arrows("UpDown1")->downButton(); },
         {"upDown UpDown1 -1 text=10"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        events.log.clear();
        click(c.target());
        EXPECT_EQ(events.log, c.expected);
    }
    // The model's step was shown in the edit box.
    EXPECT_EQ(widget<QLineEdit>("Edit1")->text(), "10");
}

TEST_F(BoundTest, UpDownStopsAtItsLimitButStillReports) {
    model.setUpDownPosition(id("UpDown1"), 20);
    binding->sync();
    click(widget<ArrowPair>("UpDown1")->upButton());
    EXPECT_THAT(events.log, ElementsAre("upDown UpDown1 1 text=20"));
    EXPECT_EQ(widget<QLineEdit>("Edit1")->text(), "20");
}

TEST_F(BoundTest, TypingUpdatesTheModelAndEnterGoesToTheLogic) {
    events.onKey = [this](ui::ControlId edit, int key) {
        if (key != kKeyEnter) return false;
        model.requestFocusNext(edit);
        return true;
    };
    auto* edit = widget<QLineEdit>("Edit1");
    edit->setFocus(Qt::TabFocusReason);  // selects the text
    QTest::keyClicks(edit, "42");
    EXPECT_EQ(model.caption(id("Edit1")), "42");
    QTest::keyClick(edit, Qt::Key_Return);

    // Keys arrive before the edit box takes them; Enter was consumed and the
    // logic's focus move left the edit box.
    EXPECT_THAT(events.log, ElementsAre("key Edit1 52 text=10", "key Edit1 50 text=4",
                                        "key Edit1 13 text=42", "exit Edit1"));
    EXPECT_EQ(edit->text(), "42");
    auto* next = widget<QLineEdit>("Edit2");
    EXPECT_TRUE(next->hasFocus());
    EXPECT_EQ(next->selectedText(), "5");
}

TEST_F(BoundTest, KeysTheLogicDoesNotConsumeReachTheEditBox) {
    auto* edit = widget<QLineEdit>("Edit2");
    edit->setFocus(Qt::TabFocusReason);
    QTest::keyClick(edit, Qt::Key_7);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(edit->text(), "7");
    EXPECT_THAT(events.log, ElementsAre("key Edit2 55 text=5", "key Edit2 13 text=7"));
}

TEST_F(BoundTest, LeavingAnEditBoxReportsTheExitButNotForOtherWindows) {
    auto* edit = widget<QLineEdit>("Edit1");
    edit->setFocus(Qt::MouseFocusReason);
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_THAT(events.log, IsEmpty());

    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    widget("Edit2")->setFocus(Qt::MouseFocusReason);
    EXPECT_THAT(events.log, ElementsAre("exit Edit1"));
}

TEST_F(BoundTest, CheckBoxReportsAfterTheModelToggledByMouseOrKeyboard) {
    auto* check = widget<QCheckBox>("Check");
    click(check);
    check->setFocus();
    QTest::keyClick(check, Qt::Key_Space);
    EXPECT_THAT(events.log, ElementsAre("released Check checked=1", "released Check checked=0"));
    EXPECT_FALSE(check->isChecked());
}

TEST_F(BoundTest, RadioClickSelectsInTheModelFirstAndOnlyOnChange) {
    auto* radio = widget<RadioGroupBox>("Radio");
    click(radio->button(3));
    click(radio->button(3));
    EXPECT_THAT(events.log, ElementsAre("radio Radio 3 index=3"));
    EXPECT_EQ(model.itemIndex(id("Radio")), 3);
}

TEST_F(BoundTest, ComboChoiceReachesTheModelThenTheLogic) {
    auto* combo = widget<QComboBox>("Combo");
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_THAT(events.log, ElementsAre("combo Combo 1 index=1"));
}

TEST_F(BoundTest, TabClickChangesThePageInTheModelFirst) {
    QTabBar* bar = widget<QTabWidget>("Pages")->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    EXPECT_THAT(events.log, ElementsAre("page Pages 1 index=1"));
    EXPECT_TRUE(widget("PageButton")->isVisible());
    EXPECT_FALSE(widget("PageLabel")->isVisible());
}

TEST_F(BoundTest, TrackBarMoveReachesTheModelThenTheLogic) {
    auto* track = widget<QSlider>("Track");
    track->setFocus();
    QTest::keyClick(track, Qt::Key_Right);
    EXPECT_THAT(events.log, ElementsAre("track Track 31 position=31"));
}

TEST_F(BoundTest, MenuShortcutsWorkWhereverTheFocusIs) {
    auto* edit = widget<QLineEdit>("Edit2");
    edit->setFocus();
    // Ctrl+Z is the menu's, even where the edit box has an undo of its own.
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_N, Qt::ControlModifier);
    widget("Check")->setFocus();
    QTest::keyClick(widget("Check"), Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier);
    QTest::keyClick(&window, Qt::Key_H, Qt::ControlModifier);  // hidden item: no shortcut
    EXPECT_THAT(events.log,
                ElementsAre("click MenuUndo", "click MenuNew", "exit Edit2", "click MenuRedo"));
}

TEST_F(BoundTest, CheckMarksOfMenuItemsAreTheLogicsToSet) {
    QAction* item = binding->action(id("MenuAuto"));
    item->trigger();
    EXPECT_THAT(events.log, ElementsAre("click MenuAuto"));
    EXPECT_FALSE(item->isChecked());
    model.setChecked(id("MenuAuto"), true);
    binding->sync();
    EXPECT_TRUE(item->isChecked());
}

TEST_F(BoundTest, WheelIsReportedOnceWithItsModifiers) {
    // Sent where the platform delivers it: to the window, over the canvas,
    // from where it propagates through the widgets.
    const QPointF over = widget("Canvas")->mapTo(&window, QPointF(20, 20));
    QWheelEvent wheel(over, window.mapToGlobal(over), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(window.windowHandle(), &wheel);
    EXPECT_THAT(events.log, ElementsAre("wheel -120 ctrl"));
}

class HintTest : public BoundTest {
  protected:
    void enter(const char* name) {
        QEnterEvent event(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(widget(name), &event);
    }
    void leave(const char* name) {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(widget(name), &event);
    }
};

TEST_F(HintTest, LongHintFollowsTheMouseAndEmptiesWhereThereIsNone) {
    enter("Form");
    enter("Button");
    leave("Button");
    enter("Speed");
    leave("Speed");
    EXPECT_THAT(events.log,
                ElementsAre("hint Push the button", "hint ", "hint Save a file", "hint "));
}

TEST_F(HintTest, ControlsWithoutHintShowTheirNearestAncestorsHint) {
    enter("Form");
    enter("Group");
    enter("Label");
    leave("Label");
    leave("Group");
    EXPECT_THAT(events.log, ElementsAre("hint Group hint", "hint "));
}

TEST_F(HintTest, HintChangedByTheLogicUnderTheMouseIsReported) {
    enter("Form");
    enter("Canvas");
    model.setHint(id("Canvas"), "rpm=3000");
    binding->sync();
    EXPECT_THAT(events.log, ElementsAre("hint Canvas hint", "hint rpm=3000"));
}

TEST_F(HintTest, HighlightedMenuItemShowsItsHintUntilTheMenuCloses) {
    enter("Form");
    enter("Button");
    QMenu* file = binding->action(id("MenuFile"))->menu();
    emit file->hovered(binding->action(id("MenuNew")));
    emit file->aboutToHide();
    EXPECT_THAT(events.log, ElementsAre("hint Push the button", "hint Default settings",
                                        "hint Push the button"));
}

TEST_F(BoundTest, TimerTicksTheLogicAndMirrorsWhatTheTickChanged) {
    events.onTick = [this] {
        model.setCaption(id("Label"), "Tick " + std::to_string(events.ticks));
    };
    binding->start();
    ASSERT_TRUE(QTest::qWaitFor([this] { return events.ticks >= 2; }, 2000));
    EXPECT_EQ(widget<QLabel>("Label")->text(), QString("Tick %1").arg(events.ticks));
}

TEST_F(BoundTest, ClosingTellsTheLogicOnceAndStopsTheTimer) {
    binding->start();
    QtWindowHost host(window);
    host.closeWindow();
    window.close();
    EXPECT_EQ(events.closings, 1);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(binding->ticking());
}

}  // namespace
}  // namespace tz::gui::test
