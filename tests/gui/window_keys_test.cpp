// The keyboard beyond the specified shortcuts: access keys that each do one
// thing at the first press, F10 for the menus, and the desktop's usual keys
// for redo, open, save and for turning pages.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <cstdlib>
#include <map>

#include "fake_services.h"
#include "gui/application.h"
#include "gui_fixture.h"
#include "params/image.h"
#include "shown_window.h"

namespace tz::gui {
namespace {

// Qt's Alt+letter of each text that marks one, with the text.
class KeyCollector {
  public:
    void add(const QString& text) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (!key.isEmpty()) byKey_[key[0].toCombined()].append(text);
    }
    // "Alt+S: &Soubor | Čí&st" for every key that more than one text marks.
    QStringList clashes() const {
        QStringList found;
        for (const auto& [key, texts] : byKey_) {
            if (texts.size() > 1)
                found.append(QKeySequence(key).toString() + ": " +
                             texts.join(QStringLiteral(" | ")));
        }
        return found;
    }

  private:
    std::map<int, QStringList> byKey_;
};

// What an Alt+letter can reach in the window as it is shown: the menu bar
// and the visible, enabled buttons, check boxes, group boxes and tabs.
QStringList windowClashes(QMainWindow& window) {
    KeyCollector keys;
    for (QAction* entry : window.menuBar()->actions())
        if (entry->isVisible()) keys.add(entry->text());
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
        if (button->isVisible() && button->isEnabled()) keys.add(button->text());
    for (QGroupBox* group : window.findChildren<QGroupBox*>())
        if (group->isVisible() && group->isEnabled()) keys.add(group->title());
    for (QTabBar* tabs : window.findChildren<QTabBar*>()) {
        for (int i = 0; tabs->isVisible() && i < tabs->count(); ++i)
            if (tabs->isTabVisible(i) && tabs->isTabEnabled(i)) keys.add(tabs->tabText(i));
    }
    return keys.clashes();
}

// The letters typed in an open menu.
QStringList menuClashes(QMainWindow& window) {
    QStringList found;
    for (QMenu* menu : window.findChildren<QMenu*>()) {
        KeyCollector keys;
        for (QAction* item : menu->actions())
            if (item->isVisible()) keys.add(item->text());
        for (const QString& clash : keys.clashes()) found.append(menu->title() + ": " + clash);
    }
    return found;
}

class WindowKeys : public tz::testing::ShownWindow {
  protected:
    void SetUp() override {
        ShownWindow::SetUp();
        if (HasFatalFailure()) return;
        pages = program->window().findChild<QTabWidget*>();
        ASSERT_NE(pages, nullptr);
    }

    const ui::ControlModel& model() { return program->logic().controls(); }
    QAction* action(std::string_view name) {
        return program->binding().action(model().id(ui::ControlName{name}));
    }
    void chooseLanguage(std::string_view menuItem) { action(menuItem)->trigger(); }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(&program->window(), key, modifiers);
    }
    // The menu that the press opened, or null.
    QMenu* openMenu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }

    QTabWidget* pages = nullptr;
};

constexpr const char* kLanguages[] = {"MenuEnglish", "MenuGerman", "MenuFrench", "MenuCzech"};

TEST_F(WindowKeys, NoAltLetterIsAmbiguousOnAnyPageInAnyLanguage) {
    for (const char* language : kLanguages) {
        chooseLanguage(language);
        for (int page = 0; page < pages->count(); ++page) {
            if (!pages->isTabVisible(page)) continue;
            pages->setCurrentIndex(page);
            EXPECT_EQ(windowClashes(program->window()).join("; ").toStdString(), "")
                << language << ", page " << page;
        }
        EXPECT_EQ(menuClashes(program->window()).join("; ").toStdString(), "") << language;
    }
}

TEST_F(WindowKeys, TheMenuBarWinsTheFirstPressAndTheLoserKeepsItsText) {
    struct Case {
        const char* language;
        Qt::Key key;
        const char* menu;
    };
    const Case cases[] = {
        {"MenuCzech", Qt::Key_S, "MenuFile"},       // not the button "Čí&st"
        {"MenuCzech", Qt::Key_P, "MenuCom"},        // not "&Programovat"
        {"MenuFrench", Qt::Key_L, "MenuLanguage"},  // not "&Lire"
        {"MenuFrench", Qt::Key_A, "MenuDevice"},    // not the tab "&Avance carte" nor "&Aide"
    };
    for (const Case& c : cases) {
        chooseLanguage(c.language);
        press(c.key, Qt::AltModifier);
        QMenu* menu = openMenu();
        EXPECT_NE(menu, nullptr) << c.language << " " << c.key;
        EXPECT_EQ(menu, action(c.menu)->menu()) << c.language << " " << c.key;
        if (menu != nullptr) menu->close();
        EXPECT_FALSE(model()["LabelHlaseni"].visible) << "no transfer started";
    }
    chooseLanguage("MenuCzech");
    auto* read = qobject_cast<QPushButton*>(
        program->binding().widget(model().id(ui::ControlName{"ButtonRead"})));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->text().toStdString(), "Číst");
    chooseLanguage("MenuEnglish");
    EXPECT_EQ(read->text().toStdString(), "&Read") << "the key comes back when no menu needs it";
}

TEST_F(WindowKeys, F10OpensTheFirstMenu) {
    chooseLanguage("MenuCzech");  // its Help menu has no access key
    press(Qt::Key_F10, Qt::NoModifier);
    QMenu* menu = openMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu, action("MenuFile")->menu());
    QTest::keyClick(menu, Qt::Key_Left);  // and on to the last one
    EXPECT_EQ(openMenu(), action("MenuHelp")->menu());
}

TEST_F(WindowKeys, CtrlYAndCtrlShiftZRedoLikeTheRedoItem) {
    constexpr int kCell = field::ADVANCE + 99;
    program->binding().sync();
    QWidget* cell = program->binding().widget(model().id(ui::ControlName{"Edit149"}));
    ASSERT_NE(cell, nullptr);
    pages->setCurrentIndex(2);
    cell->setFocus();
    QTest::keyClick(cell, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(cell, QStringLiteral("41"));
    QTest::keyClick(cell, Qt::Key_Return);
    ASSERT_EQ(program->logic().session().image()[kCell], 41);

    for (const Qt::KeyboardModifiers redo :
         {Qt::KeyboardModifiers(Qt::ControlModifier), Qt::ControlModifier | Qt::ShiftModifier}) {
        press(Qt::Key_Z, Qt::ControlModifier);
        ASSERT_EQ(program->logic().session().image()[kCell], 32);
        press(redo == Qt::ControlModifier ? Qt::Key_Y : Qt::Key_Z, redo);
        EXPECT_EQ(program->logic().session().image()[kCell], 41);
    }
    EXPECT_FALSE(model()["MenuZnovu"].enabled);
    press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(program->logic().session().image()[kCell], 41) << "nothing to redo";
}

TEST_F(WindowKeys, CtrlTabAndCtrlPageKeysTurnThePagesAsATabClickDoes) {
    std::vector<int> visible;
    for (int page = 0; page < pages->count(); ++page)
        if (pages->isTabVisible(page)) visible.push_back(page);
    ASSERT_GE(visible.size(), 3u);
    const int last = visible.back();

    pages->setCurrentIndex(visible.front());
    program->binding().widget(model().id(ui::ControlName{"Edit149"}))->setFocus();  // a map cell
    struct Step {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int page;
    };
    const Step steps[] = {
        {Qt::Key_Tab, Qt::ControlModifier, visible[1]},
        {Qt::Key_PageDown, Qt::ControlModifier, visible[2]},
        {Qt::Key_PageUp, Qt::ControlModifier, visible[1]},
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, visible[0]},
        {Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier, last},  // around the end
        {Qt::Key_PageDown, Qt::ControlModifier, visible[0]},
    };
    for (const Step& s : steps) {
        press(s.key, s.modifiers);
        EXPECT_EQ(pages->currentIndex(), s.page) << s.key;
        EXPECT_EQ(model()["PageControl1"].itemIndex, s.page) << "the logic saw the change";
    }
}

TEST(WindowFileKeys, CtrlOAndCtrlSAskForAFileAsF3AndF2Do) {
    tz::testing::TempDir dir;
    tz::testing::QuietDevice device;
    tz::testing::ScopedEnv ports{"TZ_ARKO5_PORTS", device.path().c_str()};
    tz::testing::ScriptedDialogs dialogs;  // every file dialog is cancelled
    Application program(tz::testing::applicationPathsIn(dir), {}, &dialogs);
    program.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&program.window()));
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::size_t opens;
        std::size_t saves;
    };
    const Case cases[] = {
        {Qt::Key_F3, Qt::NoModifier, 1, 0},
        {Qt::Key_O, Qt::ControlModifier, 2, 0},
        {Qt::Key_F2, Qt::NoModifier, 2, 1},
        {Qt::Key_S, Qt::ControlModifier, 2, 2},
    };
    for (const Case& c : cases) {
        QTest::keyClick(&program.window(), c.key, c.modifiers);
        EXPECT_EQ(dialogs.openRequests.size(), c.opens)
            << QKeySequence(c.key | c.modifiers).toString().toStdString();
        EXPECT_EQ(dialogs.saveRequests.size(), c.saves)
            << QKeySequence(c.key | c.modifiers).toString().toStdString();
    }
}

}  // namespace
}  // namespace tz::gui
