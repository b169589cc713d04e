// The table tools in the real window: a block from a spreadsheet pasted into
// the map with the keyboard and copied back, the arrow keys between the
// cells, the cells' context menu and the number dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <cstdlib>

#include "gui/application.h"
#include "gui/table_services.h"
#include "params/image.h"
#include "session_image.h"
#include "shown_window.h"

namespace tz::gui {
namespace {

class WindowTable : public tz::testing::ShownWindow {
  protected:
    void SetUp() override {
        ShownWindow::SetUp();
        if (HasFatalFailure()) return;
        program->window().findChild<QTabWidget*>()->setCurrentIndex(2);
        // All ten throttle rows, as the TPS box shows them.
        tz::testing::changeImage(program->logic().session(),
                                 [&](Image& im) { im[field::TPS_MAPA] = 1; });
        program->logic().edits().commitImage();
        program->binding().sync();
    }
    ui::ControlId id(std::string_view name) {
        return program->logic().controls().id(ui::ControlName{name});
    }
    QLineEdit* cell(int r, int c) {
        return qobject_cast<QLineEdit*>(program->binding().widget(
            program->logic().index().cellEdits[static_cast<std::size_t>(10 * r + c)]));
    }
    int value(int r, int c) { return program->logic().session().image()[advanceCell(r, c)]; }
    static QString clipboard() { return QGuiApplication::clipboard()->text(); }
    static void setClipboard(const QString& text) { QGuiApplication::clipboard()->setText(text); }
    static QWidget* focus() { return QApplication::focusWidget(); }
};

TEST_F(WindowTable, ABlockFromASpreadsheetPastesAndCopiesBackUnchanged) {
    QLineEdit* first = cell(3, 2);
    ASSERT_NE(first, nullptr);
    QTest::mouseClick(first, Qt::LeftButton);
    ASSERT_EQ(focus(), first);

    // What a spreadsheet puts on the clipboard: tabs, CR LF, a final line end.
    setClipboard(QStringLiteral("11\t12\t13\r\n21\t22\t23\r\n"));
    QTest::keyClick(first, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(value(3, 2), 11);
    EXPECT_EQ(value(3, 4), 13);
    EXPECT_EQ(value(4, 3), 22);
    EXPECT_EQ(cell(4, 4)->text(), QStringLiteral("23"));
    EXPECT_EQ(first->text(), QStringLiteral("11")) << "not the clipboard's text in the box";

    setClipboard(QString());
    QTest::keyClick(focus(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard(), QStringLiteral("11\t12\t13\n21\t22\t23\n"));

    // One undo step takes the whole block back.
    QTest::keyClick(focus(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_NE(value(3, 2), 11);
    EXPECT_NE(value(4, 4), 23);
}

TEST_F(WindowTable, ArrowsMoveTheFocusAndSelectTheNextCellsText) {
    QTest::mouseClick(cell(5, 5), Qt::LeftButton);
    QTest::keyClick(focus(), Qt::Key_Down);
    ASSERT_EQ(focus(), cell(6, 5));
    EXPECT_EQ(cell(6, 5)->selectedText(), cell(6, 5)->text()) << "typing replaces the value";
    QTest::keyClick(focus(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(focus(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(focus(), cell(7, 6));
    EXPECT_EQ(program->logic().graphs().selection().selectedRange(),
              (editing::CellRange{6, 5, 7, 6}));

    // Without a cell selection Ctrl+C copies the box's whole text even with
    // none of it selected.
    QTest::keyClick(focus(), Qt::Key_Escape);
    EXPECT_TRUE(program->logic().graphs().selection().selectedRange().empty());
    cell(7, 6)->deselect();
    setClipboard(QString());
    QTest::keyClick(focus(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard(), cell(7, 6)->text());
}

TEST_F(WindowTable, TheContextMenuOffersTheToolsForTheSelection) {
    QTest::mouseClick(cell(1, 1), Qt::LeftButton);
    QTest::keyClick(focus(), Qt::Key_Right, Qt::ShiftModifier);
    program->binding().sync();
    QLineEdit* target = cell(1, 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            target->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(target, &event);
    QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QStringList items;
    for (QAction* a : menu->actions())
        if (!a->isSeparator()) items.append(a->text() + (a->isEnabled() ? "" : " (off)"));
    EXPECT_EQ(items.join(", ").toStdString(),
              "&Copy, &Paste, &Set to..., &Add..., Scal&e %..., S&mooth");
    EXPECT_EQ(menu->actions().front()->shortcut(), QKeySequence(QStringLiteral("Ctrl+C")));
    menu->close();

    // The selection dropped, the tools go off.
    QTest::mouseClick(cell(8, 8), Qt::LeftButton);
    QApplication::sendEvent(cell(8, 8), &event);
    menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(menu->actions().back()->isEnabled());
    menu->close();
}

TEST(NumberBox, ShowsTheRequestAndGivesTheTypedNumber) {
    const NumberRequest request{"Skalieren", "Neue Werte [%]:", 100, 0, 1000, 1, "OK", "Abbrechen"};
    NumberBox box(request, nullptr);
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Skalieren"));
    QStringList buttons;
    for (QPushButton* b : box.findChildren<QPushButton*>()) buttons.append(b->text());
    EXPECT_TRUE(buttons.contains(QStringLiteral("Abbrechen")));
    QDoubleSpinBox& number = box.numberField();
    EXPECT_EQ(number.value(), 100.0);
    EXPECT_EQ(number.maximum(), 1000.0);
    QLineEdit* typed = number.findChild<QLineEdit*>();
    ASSERT_NE(typed, nullptr);
    typed->setText(QStringLiteral("112.5"));
    EXPECT_EQ(box.value(), 112.5);
    typed->setText(QStringLiteral("5000"));
    EXPECT_EQ(box.value(), 112.5) << "beyond the limit is not taken";
}

}  // namespace
}  // namespace tz::gui
