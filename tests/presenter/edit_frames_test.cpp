// Each kind of edit in the window, with programming after change on, reaches
// the unit as the page frame that holds the edited byte.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "link/frame.h"
#include "unit_fixture.h"

namespace tz {
namespace {

using namespace field;
using testing::WindowWithUnit;

class EditFrames : public WindowWithUnit {
  protected:
    presenter::WindowPresenter& startProgrammingAfterChange() {
        presenter::WindowPresenter& w = startWithUnit();
        tick(12);
        controls().userSetChecked(id("CheckBoxProgHned"), true);
        w.checkBoxReleased(id("CheckBoxProgHned"));
        return w;
    }
    // The byte as the last store frame of its page carried it.
    std::optional<int> sentByte(int byte) {
        const link::testing::FakeDevice& device = line.device(kUnitPath);
        std::optional<int> sent;
        for (const link::Frame& f : device.written)
            if (f[0] == byte / kPageSize + 1)
                sent = f[1 + static_cast<std::size_t>(byte % kPageSize)];
        return sent;
    }
};

TEST_F(EditFrames, EveryKindOfEditIsProgrammed) {
    struct Case {
        const char* what;
        std::function<void(presenter::WindowPresenter&)> edit;
        int byte;
        int sent;
    };
    const Case cases[] = {
        {"value left in its box",
         [this](presenter::WindowPresenter&) { typeInto("UpDownBaseAdv", 12); }, BASE_ADV, 12},
        {"check box",
         [this](presenter::WindowPresenter& w) {
             controls().userSetChecked(id("CheckBoxZamenaPickup"), true);
             w.checkBoxReleased(id("CheckBoxZamenaPickup"));
         },
         PICKUPS_INTERCHANGE, 1},
        {"radio group choice",
         [this](presenter::WindowPresenter& w) {
             controls().userSetItemIndex(id("RadioGroupInput1"), 2);
             w.radioClicked(id("RadioGroupInput1"), 2);
         },
         INPUT1_FUNCTION, 2},
        {"map cell",
         [this](presenter::WindowPresenter& w) {
             const ui::ControlId cell = w.index().cellEdits[45];
             controls().userSetText(cell, "33");
             w.editExited(cell);
         },
         advanceCell(4, 5), 33},
        {"a value out of range, repaired before it is sent",
         [this](presenter::WindowPresenter& w) {
             const ui::ControlId cell = w.index().cellEdits[46];
             controls().userSetText(cell, "75");
             w.editExited(cell);
         },
         advanceCell(4, 6), 60},
        {"column shift, a block of cells",
         [this](presenter::WindowPresenter& w) { w.spinClicked(id("CSpinButton8"), +1); },
         advanceCell(2, 7), -1},
    };
    for (const Case& c : cases) {
        presenter::WindowPresenter& w = startProgrammingAfterChange();
        const int before = w.session().image()[static_cast<std::size_t>(c.byte)];
        c.edit(w);
        ASSERT_TRUE(tickUntilIdle()) << c.what;
        const int expected = c.sent >= 0 ? c.sent : before + 1;
        EXPECT_EQ(w.session().image()[static_cast<std::size_t>(c.byte)], expected) << c.what;
        EXPECT_EQ(sentByte(c.byte), expected) << c.what;
        line.device(kUnitPath).written.clear();
    }
}

TEST_F(EditFrames, OnlyTheChangedSettingsControlsAreWritten) {
    presenter::WindowPresenter& w = startProgrammingAfterChange();
    // A control the edit does not touch keeps what the user left in it.
    const ui::ControlId retard = control("UpDownRetard").associate;
    controls().userSetText(retard, "");
    const ui::ControlId cell = w.index().cellEdits[45];
    controls().userSetText(cell, "75");
    w.editExited(cell);
    EXPECT_EQ(controls().at(cell).caption, "60") << "the repaired value is shown";
    EXPECT_EQ(controls().at(retard).caption, "");
}

}  // namespace
}  // namespace tz
