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
    std::vector<std::pair<int, ui::ControlId>> controls;
    for (const presenter::BoundControl& b : w.binding().bound())
        controls.emplace_back(setting(b.setting).byte, b.control);
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
