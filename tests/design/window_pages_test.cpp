// A comparison lists each image byte under the page whose control edits it.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "designed_window.h"
#include "params/image_diff.h"
#include "presenter/field_bindings.h"

namespace tz {
namespace {

using namespace field;

WindowPage pageOfControl(const ui::ControlModel& model, const std::string& name) {
    const std::pair<std::string_view, WindowPage> kSheets[] = {
        {"TabSheet_Inputs", WindowPage::Inputs},     {"TabSheetBike", WindowPage::Bike},
        {"TabSheetAdvance", WindowPage::AdvanceMap}, {"TabSheetServo", WindowPage::Servo},
        {"TabSheetPowerOut", WindowPage::PowerOut},  {"TabSheet_Ladeni", WindowPage::Test},
    };
    for (ui::ControlId id = model.id(name); id != ui::kNoControl; id = model.at(id).parent) {
        for (const auto& [sheet, page] : kSheets)
            if (model.at(id).name == sheet) return page;
    }
    return WindowPage::None;
}

// Every control that edits image bytes, with its byte.
std::vector<std::pair<int, std::string>> editingControls() {
    std::vector<std::pair<int, std::string>> controls = {
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
    for (const UpDownBinding& b : upDownBindings()) controls.emplace_back(b.byte, b.upDown);
    for (const CheckBoxBinding& b : checkBoxBindings()) controls.emplace_back(b.byte, b.checkBox);
    for (int n = 0; n < kPowerOutputs; ++n) {
        controls.emplace_back(powerOutMode(n), powerOutRadioName(n));
        for (int row = 0; row < 3; ++row)
            controls.emplace_back(powerOutMap(n, row), powerOutCheckBoxName(n, row, 0));
    }
    return controls;
}

TEST(WindowPages, EachByteBelongsToThePageOfItsControl) {
    const ui::ControlModel& model = design::testing::designedWindow();
    std::set<int> edited;
    for (const auto& [byte, control] : editingControls()) {
        EXPECT_EQ(pageOfByte(byte), pageOfControl(model, control)) << control;
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
