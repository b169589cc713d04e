// Mirroring: programmatic changes of the model reach the widgets at the next
// sync without turning into user events; unchanged controls stay untouched.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>

#include "gui/control_widgets.h"
#include "gui_fixture.h"

namespace tz::gui::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST_F(BoundTest, MirrorsProgrammaticChangesWithoutEvents) {
    struct Case {
        const char* what;
        std::function<void()> change;
        std::function<bool()> shown;
    };
    const Case cases[] = {
        {"label caption", [&] { model.setCaption(id("Label"), "&Max && min"); },
         [&] { return widget<QLabel>("Label")->text() == "Max & min"; }},
        {"edit text", [&] { model.setCaption(id("Edit1"), "15"); },
         [&] { return widget<QLineEdit>("Edit1")->text() == "15"; }},
        {"check", [&] { model.setChecked(id("Check"), true); },
         [&] { return widget<QCheckBox>("Check")->isChecked(); }},
        {"radio index", [&] { model.setItemIndex(id("Radio"), 4); },
         [&] { return widget<RadioGroupBox>("Radio")->button(4)->isChecked(); }},
        {"radio none", [&] { model.setItemIndex(id("Radio"), -1); },
         [&] { return !widget<RadioGroupBox>("Radio")->button(4)->isChecked(); }},
        {"radio items", [&] { model.setItemsFromText(id("Radio"), "X\nY\nZ"); },
         [&] {
             auto* r = widget<RadioGroupBox>("Radio");
             return r->count() == 3 && r->button(2)->text() == "Z";
         }},
        {"combo index", [&] { model.setItemIndex(id("Combo"), 2); },
         [&] { return widget<QComboBox>("Combo")->currentIndex() == 2; }},
        {"combo item", [&] { model.setItem(id("Combo"), 0, "uno"); },
         [&] { return widget<QComboBox>("Combo")->itemText(0) == "uno"; }},
        {"active page", [&] { model.setItemIndex(id("Pages"), 1); },
         [&] { return widget<QTabWidget>("Pages")->currentIndex() == 1; }},
        {"tab shown", [&] { model.setTabVisible(id("Page2"), true); },
         [&] { return widget<QTabWidget>("Pages")->isTabVisible(2); }},
        {"hidden", [&] { model.setVisible(id("Button"), false); },
         [&] { return !widget("Button")->isVisible(); }},
        {"up/down hidden alone", [&] { model.setVisible(id("UpDown1"), false); },
         [&] { return !widget("UpDown1")->isVisible() && widget("Edit1")->isVisible(); }},
        {"disabled", [&] { model.setEnabled(id("Edit2"), false); },
         [&] { return !widget("Edit2")->isEnabled(); }},
        {"colour", [&] { model.setColour(id("Check"), ui::Colour::Red); },
         [&] {
             QWidget* w = widget("Check");
             return w->autoFillBackground() && w->palette().color(w->backgroundRole()) == Qt::red;
         }},
        {"font colour", [&] { model.setFontColour(id("Label"), ui::Colour::Green); },
         [&] {
             return widget("Label")->palette().color(QPalette::WindowText) == QColor(0, 0x80, 0);
         }},
        {"moved", [&] { model.setTop(id("Panel"), 300); },
         [&] { return widget("Panel")->y() == 300; }},
        {"gauge", [&] { model.setPosition(id("Gauge"), 3); },
         [&] { return widget<QProgressBar>("Gauge")->value() == 3; }},
        {"track bar", [&] { model.setPosition(id("Track"), 60); },
         [&] { return widget<QSlider>("Track")->value() == 60; }},
        {"menu check", [&] { model.setChecked(id("MenuAuto"), true); },
         [&] { return binding->action(id("MenuAuto"))->isChecked(); }},
        {"menu disabled", [&] { model.setEnabled(id("MenuNew"), false); },
         [&] { return !binding->action(id("MenuNew"))->isEnabled(); }},
        {"menu caption", [&] { model.setCaption(id("MenuFile"), "&Datei"); },
         [&] { return binding->action(id("MenuFile"))->text() == "&Datei"; }},
        {"panel text", [&] { model.setPanelText(id("Status"), 0, "Hint text"); },
         [&] {
             return window.statusBar()->findChildren<QLabel*>().value(0)->text() == "Hint text";
         }},
        {"window caption", [&] { model.setCaption(id("Form"), "  TZ_ARKO5       a.ign"); },
         [&] { return window.windowTitle() == "  TZ_ARKO5       a.ign"; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.change();
        binding->sync();
        EXPECT_TRUE(c.shown());
    }
    EXPECT_THAT(events.log, IsEmpty());
}

// Counts the events that reach the window's widgets.
class EventCounter : public QObject {
  public:
    explicit EventCounter(QWidget& window) : window_(window) { qApp->installEventFilter(this); }
    int count = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent*) override {
        auto* w = qobject_cast<QWidget*>(watched);
        if (w != nullptr && w->window() == &window_) ++count;
        return false;
    }

  private:
    QWidget& window_;
};

TEST_F(BoundTest, SyncWithNothingChangedTouchesNoWidget) {
    // Whatever showing the window left to do is done first.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    EventCounter counter(window);
    binding->sync();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(counter.count, 0);
}

TEST_F(BoundTest, SyncLeavesTheCursorOfAnEditBeingTypedIn) {
    auto* edit = widget<QLineEdit>("Edit1");
    edit->setFocus();
    edit->setText("123");
    model.userSetText(id("Edit1"), "123");
    edit->setCursorPosition(1);

    model.setCaption(id("Label"), "Other");
    model.setCaption(id("Edit1"), "123");
    binding->sync();
    EXPECT_EQ(edit->cursorPosition(), 1);

    model.setCaption(id("Edit1"), "1234");
    binding->sync();
    EXPECT_EQ(edit->text(), "1234");
    EXPECT_EQ(edit->cursorPosition(), 1);
}

TEST_F(BoundTest, ControlsAddedAtRunTimeAreCreatedAtTheNextSync) {
    const ui::ControlId page = id("Page1");
    const ui::ControlId group =
        model.add(makeControl(ui::Kind::GroupBox, "Late", page, {100, 5, 150, 80}, "Late"));
    model.add(makeControl(ui::Kind::Button, "LateButton", group, {10, 20, 60, 25}, "&Late"));
    binding->sync();

    auto* button = widget<QPushButton>("LateButton");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->parentWidget(), widget("Late"));
    EXPECT_EQ(widget("Late")->parentWidget(), widget("Page1"));
    EXPECT_EQ(button->geometry(), QRect(10, 20, 60, 25));
    model.setItemIndex(id("Pages"), 1);
    binding->sync();
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_THAT(events.log, ElementsAre("click LateButton"));
}

TEST_F(BoundTest, FocusRequestsMoveTheFocus) {
    model.requestFocus(id("Edit1"));
    binding->sync();
    EXPECT_TRUE(widget("Edit1")->hasFocus());

    // The next control that takes the focus by tabbing: the up/down and the
    // labels do not, a disabled edit box is skipped.
    model.setEnabled(id("Edit2"), false);
    model.requestFocusNext(id("Edit1"));
    binding->sync();
    EXPECT_TRUE(widget("Check")->hasFocus());
    EXPECT_THAT(events.log, ElementsAre("exit Edit1"));
}

TEST_F(BoundTest, HidingTheFocusedEditIsNoExitOfTheUser) {
    widget("Edit1")->setFocus(Qt::MouseFocusReason);
    model.setVisible(id("Edit1"), false);
    binding->sync();
    EXPECT_FALSE(widget("Edit1")->hasFocus());
    EXPECT_THAT(events.log, IsEmpty());
}

}  // namespace
}  // namespace tz::gui::test
