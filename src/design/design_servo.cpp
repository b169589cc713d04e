#include "design/design_parts.h"

#include <array>
#include <string>

namespace tz::design {
namespace {

using ui::Control;
using ui::Kind;

constexpr int kPointLeft = 50;
constexpr int kPointPitch = 58;

// The default servo curve: speeds and voltages of the ten points.
constexpr std::array<int, 10> kRpm{1200, 2000, 3000, 4000, 6000, 8000, 10000, 12000, 14000, 16000};

// Speeds in the first row, voltages in the second, one column per point; the
// servo graph takes the group's lower part at run time. Each box is named by
// the group, its row and its point's number.
void buildCurve(const Builder& group) {
    const ui::NamePart servo = group.captionOf("GroupBoxPrivera");
    const ui::ControlId rpm = group.add(label("LabelRpmPriv", {8, 24, 38, kLabelHeight}, "RPM"));
    for (int i = 0; i < 10; ++i) {
        const std::string point = std::to_string(i + 1);
        const EditUpDown box = group.editWithUpDown(
            "RpmPriv" + point, {kPointLeft + kPointPitch * i, 20, 40, kEditHeight},
            {i < 2 ? 200 : 300, 20100, 100, kRpm[static_cast<std::size_t>(i)]});
        group.name(box.edit, {servo, {rpm, {}}, fixedText(point)});
    }
    const ui::ControlId voltage =
        group.add(label("LabelNapPriv", {8, 54, 38, kLabelHeight}, "[mV]"));
    for (int i = 0; i < 10; ++i) {
        const std::string point = std::to_string(i + 1);
        const EditUpDown box = group.editWithUpDown(
            "NapPriv" + point, {kPointLeft + kPointPitch * i, 50, 40, kEditHeight},
            {20, 5000, 20, 2000 + 100 * i});
        group.name(box.edit, {servo, {voltage, {}}, fixedText(point)});
    }
}

void buildHysteresisAndShift(const Builder& group) {
    group.labelledEdit("LabelServoHyster", "Servo Hysteresis [mV]", 8, "PrivHyster",
                       {160, 84, 40, kEditHeight}, {0, 1275, 5, 200});
    const ui::ControlId shift =
        group.add(control(Kind::SpinButton, "CSpinButton11", {540, 81, 15, 27}));
    group.name(shift, {group.captionOf("GroupBoxPrivera"),
                       {group.add(control(Kind::CheckBox, "CheckBoxServoAll",
                                          {560, 86, 60, kCheckBoxHeight}, "All")),
                        {}}});
}

}  // namespace

void buildServoPage(const Builder& page) {
    page.add(control(Kind::CheckBox, "CheckBoxPrivEnable", {8, 8, 240, kCheckBoxHeight},
                     "Servo enable"));
    const Builder group =
        page.into(page.add(control(Kind::GroupBox, "GroupBoxPrivera", {2, 34, 641, 431}, "Servo")));
    buildCurve(group);
    buildHysteresisAndShift(group);
}

}  // namespace tz::design
