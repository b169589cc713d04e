// A comparison lists each image byte under the page whose control edits it.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "params/image_diff.h"
#include "window_fixture.h"

namespace tz {
namespace {

using namespace field;

WindowPage pageOfControl(const ui::ControlModel& model, ui::ControlId control) {
    const std::pair<std::string_view, WindowPage> kSheets[] = {
        {"TabSheet_Inputs", WindowPage::Inputs},     {"TabSheetBike", WindowPage::Bike},
        {"TabSheetAdvance", WindowPage::AdvanceMap}, {"TabSheetServo", WindowPage::Servo},
        {"TabSheetPowerOut", WindowPage::PowerOut},  {"TabSheet_Ladeni", WindowPage::Test},
    };
    for (ui::ControlId id = control; id != ui::kNoControl; id = model.at(id).parent) {
        for (const auto& [sheet, page] : kSheets)
            if (model.at(id).name == sheet) return page;
    }
    return WindowPage::None;
}

// Every control that edits image bytes, with its byte.
std::vector<std::pair<int, ui::ControlId>> editingControls(presenter::WindowPresenter& w) {
    const ui::ControlModel& m = w.controls();
    std::vector<std::pair<int, ui::ControlId>> controls;
    const std::pair<int, std::string_view> named[] = {
        {BIKE, "ComboBoxBike"},
        {SYNC_METHOD, "ComboBoxSynchro"},
        {GEBER_MODE, "ComboBoxNasobekPalcu"},
        {INPUT1_FUNCTION, "RadioGroupInput1"},
        {INPUT2_FUNCTION, "RadioGroupInput2"},
        {PICKUP1_POLARITY, "RadioGroupPickup1Polarita"},
        {PICKUP2_POLARITY, "RadioGroupPickup2Polarita"},
        {INTERLOCK_INPUT, "CheckBoxCrossBlock"},
        {SPARK_BEFORE_LOBE, "CheckBoxPredPalec"},
    };
    for (auto [byte, name] : named) controls.emplace_back(byte, m.id(ui::ControlName{name}));
    for (const presenter::UpDownField& f : w.binding().upDowns())
        controls.emplace_back(f.field->byte, f.upDown);
    for (const presenter::CheckBoxField& f : w.binding().checkBoxes())
        controls.emplace_back(f.byte, f.checkBox);
    for (int n = 0; n < kPowerOutputs; ++n) {
        const design::PowerOutControls& p = w.index().powerOuts[static_cast<std::size_t>(n)];
        controls.emplace_back(powerOutMode(n), p.modeGroup);
        for (int row = 0; row < 3; ++row)
            controls.emplace_back(powerOutMap(n, row), p.zones[static_cast<std::size_t>(4 * row)]);
    }
    return controls;
}

using WindowPages = testing::WindowTest;

TEST_F(WindowPages, EachByteBelongsToThePageOfItsControl) {
    presenter::WindowPresenter& w = start();
    std::set<int> edited;
    for (const auto& [byte, control] : editingControls(w)) {
        EXPECT_EQ(pageOfByte(byte), pageOfControl(w.controls(), control))
            << w.controls().at(control).name;
        edited.insert(byte);
    }
    for (int i = 0; i < kImageSize; ++i) {
        if (edited.contains(i)) continue;
        EXPECT_TRUE(isReservedByte(i)) << "byte " << i << " has no control";
        EXPECT_EQ(pageOfByte(i), WindowPage::None) << "byte " << i;
    }
}

}  // namespace
}  // namespace tz
