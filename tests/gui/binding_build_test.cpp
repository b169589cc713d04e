// The widgets built from the model: kinds, places, texts and the window.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "gui/control_widgets.h"
#include "gui_fixture.h"

namespace tz::gui::test {
namespace {

QRect rect(int x, int y, int w, int h) {
    return {x, y, w, h};
}

TEST_F(BoundTest, PlacesEveryControlAtItsBoundsInItsParent) {
    struct Case {
        const char* name;
        const char* parent;
        QRect geometry;
    };
    const Case cases[] = {
        {"Group", "Form", rect(10, 10, 300, 150)},  {"Label", "Group", rect(10, 20, 80, 13)},
        {"Edit1", "Group", rect(100, 20, 40, 21)},  {"UpDown1", "Group", rect(140, 20, 16, 21)},
        {"Check", "Group", rect(10, 80, 120, 17)},  {"Radio", "Form", rect(320, 10, 170, 100)},
        {"Combo", "Form", rect(320, 120, 170, 21)}, {"Button", "Form", rect(10, 170, 75, 25)},
        {"Speed", "Form", rect(90, 170, 24, 23)},   {"Spin", "Form", rect(120, 170, 20, 25)},
        {"Gauge", "Form", rect(150, 170, 100, 18)}, {"Track", "Form", rect(260, 165, 150, 32)},
        {"Pages", "Form", rect(10, 200, 300, 150)}, {"PageLabel", "Page0", rect(10, 10, 60, 13)},
        {"Bevel", "Form", rect(320, 160, 170, 2)},  {"Canvas", "Form", rect(320, 200, 170, 150)},
        {"Panel", "Form", rect(10, 360, 100, 20)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget* w = widget(c.name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->geometry(), c.geometry);
        EXPECT_EQ(w->parentWidget(), widget(c.parent));
        EXPECT_EQ(w->objectName(), QString(c.name));
    }
}

TEST_F(BoundTest, BuildsTheWidgetOfEachKind) {
    EXPECT_NE(qobject_cast<QLabel*>(widget("Label")), nullptr);
    EXPECT_NE(qobject_cast<QLineEdit*>(widget("Edit1")), nullptr);
    EXPECT_NE(qobject_cast<QCheckBox*>(widget("Check")), nullptr);
    EXPECT_NE(qobject_cast<QGroupBox*>(widget("Radio")), nullptr);
    EXPECT_NE(qobject_cast<QComboBox*>(widget("Combo")), nullptr);
    EXPECT_NE(qobject_cast<QPushButton*>(widget("Button")), nullptr);
    EXPECT_NE(qobject_cast<QToolButton*>(widget("Speed")), nullptr);
    EXPECT_NE(qobject_cast<QProgressBar*>(widget("Gauge")), nullptr);
    EXPECT_NE(qobject_cast<QSlider*>(widget("Track")), nullptr);
    EXPECT_NE(qobject_cast<QTabWidget*>(widget("Pages")), nullptr);
    EXPECT_NE(qobject_cast<QFrame*>(widget("Bevel")), nullptr);
    EXPECT_NE(binding->canvas(id("Canvas")), nullptr);
    EXPECT_EQ(binding->canvas(id("Panel")), nullptr);
    EXPECT_EQ(widget("Status"), window.statusBar());
}

TEST_F(BoundTest, ShowsCaptionsWithAccessKeys) {
    // Labels drop the access-key mark; the other widgets keep it for Qt to
    // underline the letter.
    EXPECT_EQ(widget<QLabel>("Label")->text(), "Limit");
    EXPECT_EQ(widget<QLabel>("Amp")->text(), "");
    EXPECT_EQ(widget<QCheckBox>("Check")->text(), "&Check");
    EXPECT_EQ(widget<QGroupBox>("Group")->title(), "&Group");
    EXPECT_EQ(widget<QPushButton>("Button")->text(), "&Push");
    auto* tabs = widget<QTabWidget>("Pages");
    EXPECT_EQ(tabs->tabText(0), "First") << "Alt+F belongs to the menu \"&File\"";
    EXPECT_EQ(tabs->tabText(1), "&Second");
    EXPECT_EQ(window.windowTitle(), "Test window");
    EXPECT_EQ(widget<QLineEdit>("Edit1")->text(), "10");
}

TEST_F(BoundTest, ShowsValuesOfTheControls) {
    auto* radio = widget<RadioGroupBox>("Radio");
    ASSERT_EQ(radio->count(), 5);
    EXPECT_TRUE(radio->button(0)->isChecked());
    // Two columns filled top to bottom: A B C in the first, D E in the second.
    EXPECT_EQ(radio->button(2)->x(), radio->button(0)->x());
    EXPECT_GT(radio->button(3)->x(), radio->button(0)->x());
    EXPECT_EQ(radio->button(3)->y(), radio->button(0)->y());

    auto* combo = widget<QComboBox>("Combo");
    EXPECT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->currentText(), "one");
    EXPECT_FALSE(combo->isEditable());

    auto* gauge = widget<QProgressBar>("Gauge");
    EXPECT_EQ(gauge->maximum(), 3);
    EXPECT_EQ(gauge->value(), 1);
    EXPECT_TRUE(gauge->isTextVisible());
    EXPECT_EQ(gauge->text(), "33%");

    auto* track = widget<QSlider>("Track");
    EXPECT_EQ(track->value(), 30);
    EXPECT_EQ(track->tickInterval(), 10);

    auto* tabs = widget<QTabWidget>("Pages");
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_TRUE(tabs->isTabVisible(1));
    EXPECT_FALSE(tabs->isTabVisible(2));
}

TEST_F(BoundTest, ShowsToolTipsOnlyForControlsThatShowHints) {
    EXPECT_EQ(widget("Button")->toolTip(), "Push it");
    EXPECT_EQ(widget("Speed")->toolTip(), "Save");
    EXPECT_EQ(widget("Group")->toolTip(), "");
}

TEST_F(BoundTest, SpeedButtonShowsItsPictureAndTakesNoFocus) {
    auto* speed = widget<QToolButton>("Speed");
    EXPECT_FALSE(speed->icon().isNull());
    EXPECT_TRUE(speed->autoRaise());
    EXPECT_EQ(speed->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(widget("UpDown1")->focusPolicy(), Qt::NoFocus);
}

TEST_F(BoundTest, StatusBarHasFixedWidthPanels) {
    const QList<QLabel*> panels =
        window.statusBar()->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_EQ(panels.size(), 3);
    EXPECT_EQ(panels[0]->width(), 200);
    EXPECT_EQ(panels[1]->width(), 30);
    EXPECT_EQ(panels[1]->text(), "EXE");
    EXPECT_TRUE(panels[1]->alignment() & Qt::AlignRight);
    EXPECT_TRUE(panels[2]->alignment() & Qt::AlignLeft);
    EXPECT_EQ(window.statusBar()->height(), 18);
}

TEST_F(BoundTest, MenusCarryCaptionsShortcutsAndVisibility) {
    QAction* file = binding->action(id("MenuFile"));
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->text(), "&File");
    ASSERT_NE(file->menu(), nullptr);
    EXPECT_EQ(file->menu()->actions().size(), 4);
    EXPECT_TRUE(file->menu()->actions()[1]->isSeparator());
    EXPECT_EQ(binding->action(id("MenuNew"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(binding->action(id("MenuRedo"))->shortcut(),
              QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Z));
    EXPECT_TRUE(binding->action(id("MenuAuto"))->isCheckable());
    EXPECT_FALSE(binding->action(id("MenuHidden"))->isVisible());
    EXPECT_EQ(window.menuBar()->actions().size(), 2);
}

TEST_F(BoundTest, ClientAreaMatchesTheDesignAndScrollsWhenSmaller) {
    // Outer 508 x 446 less the frame the model counts: a client of 500 x 400
    // below the menu bar, the status bar at its bottom.
    const int menu = window.menuBar()->height();
    EXPECT_EQ(window.size(), QSize(500, 400 + menu));
    EXPECT_EQ(window.pos(), QPoint(10, 20));
    auto* scroll = qobject_cast<QScrollArea*>(window.centralWidget());
    ASSERT_NE(scroll, nullptr);
    EXPECT_FALSE(scroll->verticalScrollBar()->isVisible());

    window.resize(300, 200);
    QTest::qWait(0);
    EXPECT_TRUE(scroll->verticalScrollBar()->isVisible());
    EXPECT_TRUE(scroll->horizontalScrollBar()->isVisible());
}

TEST_F(BoundTest, MovingAndResizingTheWindowUpdatesItsBoundsSilently) {
    const std::uint32_t revision = model.revision();
    window.move(30, 40);
    window.resize(600, 450 + window.menuBar()->height());
    EXPECT_EQ(model["Form"].bounds, (ui::Rect{30, 40, 608, 496}));
    EXPECT_EQ(model.revision(), revision);
}

TEST_F(BindingTest, AutoSizedLabelsFollowTheirText) {
    ui::Control left =
        makeControl(ui::Kind::Label, "AutoLeft", id("Form"), {100, 380, 5, 13}, "Left aligned");
    left.autoSize = true;
    ui::Control right = left;
    right.name = "AutoRight";
    right.alignment = ui::Align::Right;
    model.add(left);
    model.add(right);
    ASSERT_NO_FATAL_FAILURE(bind());

    auto* leftLabel = widget<QLabel>("AutoLeft");
    EXPECT_EQ(leftLabel->x(), 100);
    EXPECT_EQ(leftLabel->width(), leftLabel->sizeHint().width());
    EXPECT_GT(leftLabel->width(), 5);
    auto* rightLabel = widget<QLabel>("AutoRight");
    EXPECT_EQ(rightLabel->geometry().right(), 104);
    EXPECT_EQ(rightLabel->width(), rightLabel->sizeHint().width());
}

}  // namespace
}  // namespace tz::gui::test
