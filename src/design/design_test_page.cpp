#include "design/design_parts.h"

namespace tz::design {
namespace {

using ui::Kind;

constexpr int kGroupTop = 8;
constexpr int kGroupWidth = 150;
constexpr int kGroupHeight = 120;

Builder testGroup(const Builder& page, std::string_view name, int column,
                  std::string_view caption) {
    return page.into(page.add(
        control(Kind::GroupBox, name,
                {8 + (kGroupWidth + 8) * column, kGroupTop, kGroupWidth, kGroupHeight}, caption)));
}

ui::Control button(std::string_view name, ui::Rect bounds, std::string_view caption) {
    return control(Kind::Button, name, bounds, caption);
}

}  // namespace

// Bench tests, one group per output kind, left to right.
void buildTestPage(const Builder& page) {
    const Builder ignition = testGroup(page, "GroupBoxTestIgn", 0, "Ignition");
    ignition.add(button("ButtonTestIgn1", {15, 24, 120, 30}, "Ignition 1"));
    ignition.add(button("ButtonTestIgn2", {15, 64, 120, 30}, "Ignition 2"));

    const Builder rpm = testGroup(page, "GroupBoxTestRpm", 1, "Rpm");
    rpm.add(button("ButtonTestRpm", {15, 24, 120, 30}, "Rpm"));
    rpm.name(
        rpm.editWithUpDown("TestRpm", {15, 68, 60, kEditHeight}, {200, 25000, 100, 25000}).edit,
        {rpm.captionOf("GroupBoxTestRpm")});

    const Builder servo = testGroup(page, "GroupBoxTestServo", 2, "Servo");
    servo.add(button("ButtonTestServoPlus", {15, 24, 58, 30}, "Servo +"));
    servo.add(button("ButtonTestServoMinus", {77, 24, 58, 30}, "Servo -"));
    const ui::ControlId time =
        servo.add(label("LabelTestServo", {15, 64, 120, kLabelHeight}, "Time [ms]"));
    servo.name(
        servo.editWithUpDown("TestServo", {15, 80, 60, kEditHeight}, {10, 2500, 10, 500}).edit,
        {servo.captionOf("GroupBoxTestServo"), {time, {}}});

    const Builder powerOut = testGroup(page, "GroupBoxTestPOut", 3, "Power out");
    for (int n = 1; n <= 3; ++n) {
        const std::string number = std::to_string(n);
        powerOut.name(powerOut.add(button("ButtonTestPOut" + number,
                                          {15 + 42 * (n - 1), 24, 36, 30}, number)),
                      {powerOut.captionOf("GroupBoxTestPOut"), fixedText(number)});
    }
}

}  // namespace tz::design
