#include <gtest/gtest.h>

#include <string>

#include "design/window_index.h"
#include "designed_window.h"

namespace tz::design {
namespace {

using testing::designedWindow;
using ui::ControlId;
using ui::Rect;

class AdvanceGrid : public ::testing::Test {
  protected:
    const ui::ControlModel& m = designedWindow();
    const WindowIndex index = buildWindowIndex(m);
    const ControlId grid = m.id(ui::ControlName{"GroupBox6"});

    Rect bounds(ControlId id) const { return m.at(id).bounds; }
};

TEST_F(AdvanceGrid, FillsTheAdvancePage) {
    EXPECT_EQ(m.at(grid).parent, m.id(ui::ControlName{"TabSheetAdvance"}));
    EXPECT_EQ(bounds(grid), (Rect{0, 0, 645, 469}));
}

TEST_F(AdvanceGrid, CellsByRowAndColumn) {
    struct Case {
        int row, column;
        const char* edit;
        Rect cell;
    };
    const Case cases[] = {
        {0, 0, "Edit50", {51, 69, 30, 21}},    {0, 9, "Edit59", {584, 69, 30, 21}},
        {3, 7, "Edit87", {466, 168, 30, 21}},  {9, 0, "Edit140", {51, 366, 30, 21}},
        {9, 9, "Edit149", {584, 366, 30, 21}},
    };
    for (const Case& c : cases) {
        const auto k = static_cast<std::size_t>(10 * c.row + c.column);
        const ControlId edit = index.cellEdits[k];
        EXPECT_EQ(m.at(edit).name, c.edit);
        EXPECT_EQ(m.at(edit).parent, grid) << c.edit;
        EXPECT_EQ(bounds(edit), c.cell) << c.edit;
        EXPECT_EQ(bounds(index.cellUpDowns[k]), (Rect{c.cell.right(), c.cell.top, 16, 21}))
            << c.edit;
    }
}

TEST_F(AdvanceGrid, AxesAndColumnSpinButtons) {
    EXPECT_EQ(bounds(index.rpmEdits[0]), (Rect{44, 29, 40, 21}));
    EXPECT_EQ(bounds(index.rpmEdits[9]), (Rect{577, 29, 40, 21}));
    EXPECT_EQ(bounds(index.rpmUpDowns[3]), (Rect{262, 29, 16, 21}));
    EXPECT_EQ(bounds(index.columnSpins[0]), (Rect{63, 403, 15, 21}));
    EXPECT_EQ(bounds(index.columnSpins[9]), (Rect{596, 403, 15, 21}));
    EXPECT_EQ(m.at(index.columnSpins[4]).name, "CSpinButton5");
    EXPECT_EQ(m.at(index.columnSpins[4]).kind, ui::Kind::SpinButton);
    for (int r = 0; r < 10; ++r) {
        const ui::Control& label = m.at(index.tpsLabels[static_cast<std::size_t>(r)]);
        EXPECT_EQ(label.bounds.top, 73 + 33 * r) << label.name;
        EXPECT_EQ(label.bounds.right(), 37) << label.name;
        EXPECT_EQ(label.alignment, ui::Align::Right) << label.name;
    }
    EXPECT_EQ(m.at(index.tpsLabels[2]).caption, "5%");
}

TEST_F(AdvanceGrid, ControlsUnderTheGrid) {
    EXPECT_EQ(bounds(m.id(ui::ControlName{"RadioGroupGraphMode"})), (Rect{415, 427, 159, 33}));
    EXPECT_EQ(bounds(m.id(ui::ControlName{"CSpinButtonAll"})), (Rect{580, 432, 15, 27}));
    EXPECT_EQ(bounds(m.id(ui::ControlName{"EditBaseAdv"})), (Rect{63, 435, 21, 21}));
    EXPECT_EQ(bounds(m.id(ui::ControlName{"EditKorekceAdv1"})).left, 216);
    EXPECT_EQ(bounds(m.id(ui::ControlName{"EditKorekceAdv2"})).left, 261);
    EXPECT_EQ(bounds(m.id(ui::ControlName{"CheckBoxTpsMapa"})).left, 13);
    EXPECT_EQ(bounds(m.id(ui::ControlName{"CheckBoxIgnAll"})).left, 598);
    EXPECT_FALSE(m["CheckBoxIgnAll"].checked);
}

}  // namespace
}  // namespace tz::design
