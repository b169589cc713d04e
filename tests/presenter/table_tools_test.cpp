// The table tools in the window: spreadsheet keys on the map cells, copy and
// paste through the clipboard, and the tools on the selection.
#include "design/control_names.h"
#include "link/transfer.h"
#include "session_image.h"
#include "window_fixture.h"

namespace tz {
namespace {

using namespace field;
using editing::CellPos;
using editing::CellRange;
using testing::WindowTest;

constexpr KeyPress shifted(int code) {
    return {code, true, false};
}
constexpr KeyPress withCtrl(int code) {
    return {code, false, true};
}

// The window on the advance map with all ten throttle rows, cell (r, c)
// holding 10 r + c, the history settled.
class TableTools : public WindowTest {
  protected:
    void SetUp() override {
        presenter::WindowPresenter& w = start();
        w.pageChanged(id("PageControl1"), 2);
        tz::testing::changeImage(w.session(), [](Image& im) {
            im[TPS_MAPA] = 1;
            for (int r = 0; r < 10; ++r)
                for (int c = 0; c < 10; ++c)
                    im[advanceCell(r, c)] = static_cast<std::uint8_t>(10 * r + c);
        });
        w.edits().commitImage();
        w.edits().resetHistory();
        w.tick();
    }

    presenter::WindowPresenter& w() { return *window; }
    ui::ControlId cell(int r, int c) {
        return window->index().cellEdits[static_cast<std::size_t>(10 * r + c)];
    }
    int value(int r, int c) { return window->session().image()[advanceCell(r, c)]; }
    bool key(ui::ControlId edit, KeyPress k) { return window->keyPressed(edit, k); }
    // The user clicks into a cell.
    void click(int r, int c) { window->editEntered(cell(r, c), FocusCause::Mouse); }
    CellRange selected() const { return window->graphs().selection().selectedRange(); }
    // Where the logic sent the keyboard focus.
    ui::ControlId focused() { return controls().focusRequest(); }
    bool undoable() { return control("MenuZpet").enabled; }
};

TEST_F(TableTools, ArrowsMoveBetweenCellsAsShown) {
    struct Case {
        const char* what;
        CellPos from;
        int key;
        std::string_view to;  // the edit box that receives the focus
    };
    const Case cases[] = {
        {"right", {2, 3}, kKeyRight, "Edit74"},
        {"left", {2, 3}, kKeyLeft, "Edit72"},
        {"down is the next throttle row", {2, 3}, kKeyDown, "Edit83"},
        {"up", {2, 3}, kKeyUp, "Edit63"},
        {"up from the top row reaches the rpm row", {0, 5}, kKeyUp, "EditRpmAdv6"},
        {"the grid's edge stops it", {9, 9}, kKeyDown, "Edit149"},
    };
    for (const Case& c : cases) {
        click(c.from.row, c.from.column);
        EXPECT_TRUE(key(cell(c.from.row, c.from.column), c.key)) << c.what;
        EXPECT_EQ(focused(), id(c.to)) << c.what;
        EXPECT_FALSE(controls().focusRequestIsNext()) << c.what;
    }

    // The rpm row and the servo curve take the plain arrows too.
    EXPECT_TRUE(key(id("EditRpmAdv6"), kKeyDown));
    EXPECT_EQ(focused(), id("Edit55"));
    EXPECT_TRUE(key(id("EditRpmPriv3"), kKeyDown));
    EXPECT_EQ(focused(), id("EditNapPriv3"));
    EXPECT_TRUE(key(id("EditNapPriv3"), kKeyRight));
    EXPECT_EQ(focused(), id("EditNapPriv4"));
    EXPECT_FALSE(key(id("EditRpmPriv3"), shifted(kKeyRight))) << "selects the box's text";
    EXPECT_FALSE(key(id("EditOmez1"), kKeyDown)) << "not a table";
}

TEST_F(TableTools, ArrowsCommitATypedValueButMovingAloneRecordsNothing) {
    // Armed, programming after change programs every record.
    controls().userSetChecked(id("CheckBoxProgHned"), true);
    w().checkBoxReleased(id("CheckBoxProgHned"));
    for (int c = 0; c < 3; ++c) key(cell(4, c), kKeyRight);
    EXPECT_FALSE(undoable());
    EXPECT_EQ(w().session().link().transfer().state, link::LinkState::Idle);

    controls().userSetText(cell(4, 3), "12");
    key(cell(4, 3), kKeyRight);
    EXPECT_EQ(value(4, 3), 12);
    EXPECT_TRUE(undoable());
    // The map has cells at the top of their range: the settings check asks
    // at the next tick, and the user programs anyway.
    w().tick();
    EXPECT_EQ(checkDialogs.shown.size(), 1u);
    EXPECT_EQ(w().session().link().transfer().state, link::LinkState::Programming);
}

TEST_F(TableTools, WithoutTheTpsMapOnlyTheShownRowIsReached) {
    tz::testing::changeImage(w().session(), [&](Image& im) { im[TPS_MAPA] = 0; });
    w().edits().commitImage();
    click(9, 4);
    key(cell(9, 4), kKeyDown);
    EXPECT_EQ(focused(), id("Edit144"));
    key(cell(9, 4), shifted(kKeyUp));
    EXPECT_EQ(selected(), (CellRange{9, 4, 9, 4})) << "no hidden row joins the selection";
    key(cell(9, 4), kKeyUp);
    EXPECT_EQ(focused(), id("EditRpmAdv5"));
}

TEST_F(TableTools, ShiftArrowsSelectFromTheAnchorAndClicksAndEscDropIt) {
    click(2, 2);
    key(cell(2, 2), shifted(kKeyRight));
    key(cell(2, 3), shifted(kKeyRight));
    key(cell(2, 4), shifted(kKeyDown));
    EXPECT_EQ(selected(), (CellRange{2, 2, 3, 4}));
    EXPECT_EQ(focused(), cell(3, 4));
    EXPECT_EQ(control("CheckBoxIgnAll").caption, "Sel");
    EXPECT_TRUE(control("MenuSmoothCells").enabled);
    EXPECT_TRUE(control("PopupSetCells").enabled);

    // Back over the anchor the rectangle turns.
    for (int i = 0; i < 3; ++i) key(cell(3, 4 - i), shifted(kKeyLeft));
    EXPECT_EQ(selected(), (CellRange{2, 1, 3, 2}));

    click(2, 2);  // inside: the selection stays, the cell is the new anchor
    EXPECT_EQ(selected(), (CellRange{2, 1, 3, 2}));
    key(cell(2, 2), shifted(kKeyUp));
    EXPECT_EQ(selected(), (CellRange{1, 2, 2, 2}));

    click(7, 7);  // outside: dropped
    EXPECT_TRUE(selected().empty());
    EXPECT_EQ(control("CheckBoxIgnAll").caption, "All");
    EXPECT_FALSE(control("MenuSmoothCells").enabled);

    key(cell(7, 7), shifted(kKeyDown));
    EXPECT_TRUE(key(cell(8, 7), kKeyEscape));
    EXPECT_TRUE(selected().empty());
    EXPECT_FALSE(key(cell(8, 7), kKeyEscape)) << "nothing left to drop";

    key(cell(8, 7), shifted(kKeyDown));
    key(cell(9, 7), kKeyLeft);
    EXPECT_TRUE(selected().empty()) << "a plain arrow drops it";
}

TEST_F(TableTools, ABlockPastesAndCopiesBackUnchanged) {
    clipboard.content = "1\t2\t3\r\n4\t5\t6\r\n";  // as a spreadsheet puts it
    click(4, 8);
    EXPECT_TRUE(key(cell(4, 8), withCtrl('v')));
    EXPECT_EQ(value(4, 8), 1);
    EXPECT_EQ(value(4, 9), 2);
    EXPECT_EQ(value(5, 8), 4);
    EXPECT_EQ(value(5, 9), 5);
    EXPECT_EQ(value(4, 7), 47) << "untouched beside it";
    EXPECT_EQ(control("Edit99").caption, "2");
    EXPECT_EQ(selected(), (CellRange{4, 8, 5, 9})) << "clipped at the edge, then selected";
    EXPECT_EQ(w().messageLine().text(), "Pasted 4 cells");

    clipboard.content.clear();
    EXPECT_TRUE(key(cell(4, 8), withCtrl('c')));
    EXPECT_EQ(clipboard.content, "1\t2\n4\t5\n");

    // One step back and the map is as before.
    w().clicked(id("MenuZpet"));
    EXPECT_EQ(value(4, 8), 48);
    EXPECT_EQ(value(5, 9), 59);
    EXPECT_FALSE(undoable());

    // A single value fills the selection.
    clipboard.content = "33\n";
    key(cell(4, 8), withCtrl('v'));
    EXPECT_EQ(value(4, 8), 33);
    EXPECT_EQ(value(5, 9), 33);
}

TEST_F(TableTools, OutOfRangeValuesAreLimitedAndCounted) {
    clipboard.content = "70\t-5\t\t30\n";  // a blank cell is left alone, not counted
    click(0, 0);
    key(cell(0, 0), withCtrl('v'));
    EXPECT_EQ(value(0, 0), 60);
    EXPECT_EQ(value(0, 1), 0);
    EXPECT_EQ(value(0, 2), 2);
    EXPECT_EQ(value(0, 3), 30);
    EXPECT_EQ(w().messageLine().text(), "Pasted 3 cells, 2 limited");
    EXPECT_FALSE(w().messageLine().isError());
}

TEST_F(TableTools, ANonNumberRefusesTheWholePasteInTheWindowsLanguage) {
    click(1, 1);
    key(cell(1, 1), shifted(kKeyRight));
    const Image before = w().session().image();
    const std::pair<std::uint8_t, std::string> languages[] = {
        {0, "Not a number in row 2, column 1"},
        {1, "Keine Zahl in Zeile 2, Spalte 1"},
        {2, "Pas un nombre en ligne 2, colonne 1"},
        {3, "Není číslo: řádek 2, sloupec 1"},
    };
    for (const auto& [language, expected] : languages) {
        w().setLanguage(language);
        clipboard.content = "1\t2\nx3\t4\n";
        EXPECT_TRUE(key(cell(1, 2), withCtrl('v')));
        EXPECT_EQ(w().messageLine().text(), expected);
        EXPECT_TRUE(w().messageLine().isError());
    }
    EXPECT_EQ(w().session().image(), before);
    EXPECT_FALSE(undoable());
}

TEST_F(TableTools, WithoutACellRangeTheBoxKeepsItsOwnCopyAndPaste) {
    click(3, 3);
    EXPECT_FALSE(key(cell(3, 3), withCtrl('c')));
    clipboard.content = "17";
    EXPECT_FALSE(key(cell(3, 3), withCtrl('v'))) << "one value: the box pastes the text";
    clipboard.content = "17\t18";
    EXPECT_TRUE(key(cell(3, 3), withCtrl('v'))) << "a block is the logic's";
    EXPECT_EQ(value(3, 4), 18);

    // The context menu's items always act on cells.
    click(6, 6);
    w().contextMenuOpening(cell(6, 6));
    clipboard.content = "21";
    w().clicked(id("PopupPasteCells"));
    EXPECT_EQ(value(6, 6), 21);
    clipboard.content.clear();
    w().clicked(id("PopupCopyCells"));
    EXPECT_EQ(clipboard.content, "21\n");
}

TEST_F(TableTools, APasteIsRepairedAndProgramsAfterChange) {
    controls().userSetChecked(id("CheckBoxProgHned"), true);
    w().checkBoxReleased(id("CheckBoxProgHned"));
    // Breakpoints that do not ascend are pushed up as by every edit.
    clipboard.content = "1000\t900\t800";
    EXPECT_TRUE(key(id("EditRpmAdv1"), withCtrl('v')));
    EXPECT_EQ(w().session().image()[RPM_ADV], 10);
    EXPECT_GT(w().session().image()[RPM_ADV + 1], 10);
    EXPECT_GT(w().session().image()[RPM_ADV + 2], w().session().image()[RPM_ADV + 1]);
    w().tick();  // the settings check's question, answered with Program anyway
    EXPECT_EQ(w().session().link().transfer().state, link::LinkState::Programming);
}

TEST_F(TableTools, EachToolIsOneUndoStepOnTheSelection) {
    struct Case {
        ui::ControlName item;
        std::optional<double> answer;
        std::array<int, 3> row2;  // cells (2, 2..4) afterwards
        std::string line;
    };
    const Case cases[] = {
        {ctl::MenuSetCells, 40, {40, 40, 40}, "Set 6 cells"},
        {ctl::PopupAddCells, 35, {57, 58, 59}, "Added to 6 cells, 3 limited"},
        {ctl::MenuScaleCells, 50, {11, 12, 12}, "Scaled 6 cells"},
        {ctl::PopupSmoothCells, std::nullopt, {26, 26, 27}, "Smoothed 6 cells"},
    };
    click(2, 2);
    key(cell(2, 2), shifted(kKeyDown));
    key(cell(3, 2), shifted(kKeyRight));
    key(cell(3, 3), shifted(kKeyRight));
    const Image before = w().session().image();
    for (const Case& c : cases) {
        numbers.answers = {c.answer};
        w().clicked(id(c.item.text));
        EXPECT_EQ((std::array{value(2, 2), value(2, 3), value(2, 4)}), c.row2) << c.line;
        EXPECT_EQ(value(1, 2), 12) << c.line;
        EXPECT_EQ(w().messageLine().text(), c.line);
        w().clicked(id("MenuZpet"));
        EXPECT_EQ(w().session().image(), before) << c.line;
        EXPECT_FALSE(undoable()) << c.line;
    }
    EXPECT_EQ(numbers.requests.size(), 3u) << "Smooth asks nothing";

    // A cancelled dialog changes nothing.
    numbers.answers = {std::nullopt};
    w().clicked(id("MenuAddCells"));
    EXPECT_EQ(w().session().image(), before);
}

TEST_F(TableTools, TheNumberDialogSpeaksTheWindowsLanguage) {
    click(2, 2);
    key(cell(2, 2), shifted(kKeyRight));
    w().setLanguage(1);
    w().clicked(id("MenuSetCells"));
    ASSERT_EQ(numbers.requests.size(), 1u);
    const NumberRequest& r = numbers.requests.back();
    EXPECT_EQ(r.title, "Setzen auf");
    EXPECT_EQ(r.cancelText, "Abbrechen");
    EXPECT_EQ(r.initial, 22) << "the first selected cell";
    EXPECT_EQ(r.minimum, 0);
    EXPECT_EQ(r.maximum, 60);
    EXPECT_EQ(control("MenuSetCells").caption, "&Setzen auf...");
}

TEST_F(TableTools, ToolsNeedARectangleOfCells) {
    for (ui::ControlName item : {ctl::MenuSetCells, ctl::PopupScaleCells})
        EXPECT_FALSE(control(item.text).enabled) << item.text;
    const Image before = w().session().image();
    w().clicked(id("MenuSmoothCells"));
    EXPECT_EQ(w().session().image(), before);

    // Two bands that make no rectangle: copy and paste say so.
    click(2, 2);
    key(cell(2, 2), shifted(kKeyRight));
    editing::TSelcell& s = w().graphs().area().selection();
    s.cellFlags[10 * 5 + 5] = editing::kCellSelected;
    w().tick();
    EXPECT_FALSE(control("MenuSetCells").enabled);
    clipboard.content = "1";
    EXPECT_TRUE(key(cell(2, 3), withCtrl('v')));
    EXPECT_EQ(w().messageLine().text(), "The selection is not a rectangle");
    EXPECT_EQ(w().session().image(), before);
}

}  // namespace
}  // namespace tz
