#include "design/window_design.h"

#include <string>

#include "design/design_builder.h"

namespace tz::design {
namespace {

using ui::Control;
using ui::Kind;

constexpr int kPowerOuts = 3;
constexpr int kPins[kPowerOuts] = {3, 12, 14};

constexpr int kSpeedEditLeft = 165;
constexpr int kSpeedEditTop = 20;
constexpr int kSpeedPitch = 100;
constexpr int kTpsEditLeft = 33;
constexpr int kTpsEditTop = 68;
constexpr int kRowPitch = 33;

// Thresholds along the top, throttle thresholds down the left, the twelve
// zones between them, and bevel lines where the thresholds divide the zones.
// Each box is named by the map, its kind and its number counted from 1, a
// zone by its throttle band and speed band.
void buildMap(const Builder& map, const std::string& n) {
    const ui::NamePart group = map.captionOf("GroupBoxPOutMap" + n);
    const ui::NamePart rpm{map.add(label("LabelPOutRpm" + n, {94, 22, 30, kLabelHeight}, "Rpm")),
                           {}};
    const ui::NamePart tps{
        map.add(label("LabelPOutTps" + n, {kTpsEditLeft, 34, 30, kLabelHeight}, "Tps")), {}};
    for (int j = 0; j < 3; ++j) {
        const ui::ControlId edit =
            map.editWithUpDown("POutRpm" + n + "_" + std::to_string(j),
                               {kSpeedEditLeft + kSpeedPitch * j, kSpeedEditTop, 40, kEditHeight},
                               {300, 25000 + 100 * j, 100, 2000 + 2000 * j})
                .edit;
        map.name(edit, {group, rpm, fixedText(std::to_string(j + 1))});
    }
    for (int j = 0; j < 2; ++j) {
        const ui::ControlId edit =
            map.editWithUpDown("POutTps" + n + "_" + std::to_string(j),
                               {kTpsEditLeft, kTpsEditTop + kRowPitch * j, 30, kEditHeight},
                               {0, 101 + j, 1, 30 + 30 * j})
                .edit;
        map.name(edit, {group, tps, fixedText(std::to_string(j + 1))});
    }
    for (int j = 0; j < 3; ++j) {
        for (int c = 0; c < 4; ++c) {
            const ui::ControlId zone = map.add(
                control(Kind::CheckBox,
                        "CheckBoxPOut" + n + "_r" + std::to_string(j) + "c" + std::to_string(c),
                        {130 + 100 * c, 56 + kRowPitch * j, 20, kCheckBoxHeight}));
            map.name(zone, {group, tps, fixedText(std::to_string(j + 1)), rpm,
                            fixedText(std::to_string(c + 1))});
        }
    }
    for (int j = 0; j < 3; ++j) {
        map.add(control(Kind::Bevel, "BevelPOutV" + n + "_" + std::to_string(j),
                        {kSpeedEditLeft + kSpeedPitch * j + 20, kTpsEditTop - 14, 4, 90}));
    }
    for (int j = 0; j < 2; ++j) {
        map.add(control(Kind::Bevel, "BevelPOutH" + n + "_" + std::to_string(j),
                        {94, kTpsEditTop + kRowPitch * j + 10, 380, 4}));
    }
}

}  // namespace

// One band per output, a third of the page high: the mode on the left, the
// zone map on the right.
void BuildPowerOutPage(ui::ControlModel& model) {
    const ui::ControlId sheet = model.id(ui::ControlName{"TabSheetPowerOut"});
    const int width = model.at(sheet).bounds.width;
    const int band = model.at(sheet).bounds.height / 3;
    const Builder page(model, sheet);
    for (int i = 0; i < kPowerOuts; ++i) {
        const std::string n = std::to_string(i + 1);
        const int top = band * i;
        page.add(radioGroup("RadioGroupPOut" + n, {3, top, 140, band - 2},
                            "Mode power out " + n + " (pin " + std::to_string(kPins[i]) + ")",
                            {"Off", "Fuel pump", "Pilot light", "Power jet Honda", "Special"}));
        buildMap(
            page.into(page.add(control(Kind::GroupBox, "GroupBoxPOutMap" + n,
                                       {150, top, width - 154, band - 2}, "Map power out " + n))),
            n);
    }
}

}  // namespace tz::design
