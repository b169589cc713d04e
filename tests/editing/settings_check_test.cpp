#include "editing/settings_check.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "params/defaults.h"

namespace tz::editing {
namespace {

// The settings of a first start: the defaults with the Classic preset.
Image defaults() {
    Image image{};
    bool keepSpecial = false;
    ApplyDefaults(image, keepSpecial);
    return image;
}

void fillMap(Image& image, std::uint8_t value) {
    for (int r = 0; r < kMapRows; ++r)
        for (int c = 0; c < kMapColumns; ++c) image[advanceCell(r, c)] = value;
}

struct CheckCase {
    const char* name;
    std::function<void(Image&)> change;
    std::vector<SettingsFinding> expected;
};

SettingsFinding cellFinding(FindingKind kind, CheckTable table, int byte, std::string_view key,
                            int index, int row, int column, int value, int other) {
    SettingsFinding f;
    f.kind = kind;
    f.byte = byte;
    f.key = key;
    f.index = index;
    f.table = table;
    f.row = row;
    f.column = column;
    f.value = value;
    f.other = other;
    return f;
}

SettingsFinding step(FindingKind kind, int row, int column, int otherRow, int otherColumn,
                     int value, int other) {
    SettingsFinding f = cellFinding(kind, CheckTable::Advance, advanceCell(row - 1, column - 1),
                                    "ADVANCE", 10 * (row - 1) + column, row, column, value, other);
    f.otherRow = otherRow;
    f.otherColumn = otherColumn;
    return f;
}

SettingsFinding setting(FindingKind kind, int byte, std::string_view key, int index, int value,
                        int other) {
    SettingsFinding f;
    f.kind = kind;
    f.byte = byte;
    f.key = key;
    f.index = index;
    f.value = value;
    f.other = other;
    return f;
}

// Each case starts from the defaults (speed-only map: row 10 alone) on an
// even map of 20°, so that only the change can find something.
TEST(SettingsCheck, FindsEachKindAtItsLimit) {
    const CheckCase cases[] = {
        {"an even map finds nothing", [](Image&) {}, {}},
        {"a step of exactly the limit is allowed",
         [](Image& im) { im[advanceCell(9, 4)] = 30; },
         {}},
        {"a step above the limit, left and right of the cell",
         [](Image& im) { im[advanceCell(9, 4)] = 31; },
         {step(FindingKind::StepAcross, 10, 4, 10, 5, 20, 31),
          step(FindingKind::StepAcross, 10, 5, 10, 6, 31, 20)}},
        {"a step down the map counts only with the throttle rows on",
         [](Image& im) { im[advanceCell(3, 0)] = 45; },
         {}},
        {"with the throttle rows on, steps up and down too",
         [](Image& im) {
             im[field::TPS_MAPA] = 1;
             im[advanceCell(3, 0)] = 31;
         },
         {step(FindingKind::StepAcross, 4, 1, 4, 2, 31, 20),
          step(FindingKind::StepDown, 3, 1, 4, 1, 20, 31),
          step(FindingKind::StepDown, 4, 1, 5, 1, 31, 20)}},
        {"a cell at 60° is at the top; one above it reads as 60° too",
         [](Image& im) {
             im[advanceCell(9, 0)] = 59;
             im[advanceCell(9, 1)] = 200;
         },
         {step(FindingKind::StepAcross, 10, 2, 10, 3, 60, 20),
          cellFinding(FindingKind::CellAtTop, CheckTable::Advance, advanceCell(9, 1), "ADVANCE", 92,
                      10, 2, 60, 60)}},
        {"an rpm axis that does not rise",
         [](Image& im) { im[field::RPM_ADV + 3] = 30; },
         {cellFinding(FindingKind::RpmAxisNotRising, CheckTable::Rpm, field::RPM_ADV + 3, "RPM_ADV",
                      4, 1, 4, 3000, 3000)}},
        {"a servo axis that does not rise, with the servo on",
         [](Image& im) { im[field::SERVO_RPM + 1] = 12; },
         {cellFinding(FindingKind::ServoAxisNotRising, CheckTable::Servo, field::SERVO_RPM + 1,
                      "SERVO_RPM", 2, 1, 2, 1200, 1200)}},
        {"the servo curve off is not checked",
         [](Image& im) {
             im[field::SERVO_ENABLE] = 0;
             im[field::SERVO_RPM + 1] = 12;
             im[field::SERVO_RPM] = 5;
         },
         {}},
        {"a limiter at the lowest speed is allowed; an unused start limiter is not checked",
         [](Image& im) {
             im[field::LIMITER_RPM] = 10;
             im[field::START_LIMITER_RPM] = 9;
         },
         {}},
        {"the rev limiter below idle",
         [](Image& im) { im[field::LIMITER_RPM] = 9; },
         {setting(FindingKind::LimiterBelowMap, field::LIMITER_RPM, "LIMITER", 2, 900, 1000)}},
        {"the start limiter below idle counts when an input uses it",
         [](Image& im) {
             im[field::START_LIMITER_RPM] = 9;
             im[field::INPUT2_FUNCTION] = 4;
         },
         {setting(FindingKind::StartLimiterBelowMap, field::START_LIMITER_RPM, "LIMITER", 1, 900,
                  1000)}},
        {"a servo point below the map's lowest speed",
         [](Image& im) { im[field::RPM_ADV] = 13; },
         {cellFinding(FindingKind::ServoBelowMap, CheckTable::Servo, field::SERVO_RPM, "SERVO_RPM",
                      1, 1, 1, 1200, 1300)}},
        {"a retard up to the smallest advance is allowed",
         [](Image& im) {
             im[field::INPUT1_FUNCTION] = 3;
             im[field::RETARD] = 20;
         },
         {}},
        {"a retard past the smallest advance",
         [](Image& im) {
             im[field::INPUT1_FUNCTION] = 3;
             im[field::RETARD] = 21;
         },
         {setting(FindingKind::RetardPastTdc, field::RETARD, "LIMITER", 3, 21, 20)}},
        {"lobe settings of 0; channel 2 only when it is used",
         [](Image& im) {
             im[field::LOBE_COUNT] = 0;
             im[field::CHANNEL_COUNT] = 1;
             im[lobeByte(field::START_ADV_LOBE, 0)] = 0;
             im[lobeByte(field::MAX_ADV_LOBE, 1)] = 0;
         },
         {setting(FindingKind::LobeSettingZero, field::LOBE_COUNT, "BIKE", 3, 0, 0),
          setting(FindingKind::LobeSettingZero, lobeByte(field::START_ADV_LOBE, 0), "BIKE", 8, 0,
                  0)}},
        {"channel 2's lobes when two channels are used",
         [](Image& im) { im[lobeByte(field::MAX_ADV_LOBE, 1)] = 0; },
         {setting(FindingKind::LobeSettingZero, lobeByte(field::MAX_ADV_LOBE, 1), "BIKE", 11, 0,
                  0)}},
    };
    for (const CheckCase& c : cases) {
        Image image = defaults();
        fillMap(image, 20);
        c.change(image);
        EXPECT_EQ(checkSettings(image), c.expected) << c.name;
    }
}

TEST(SettingsCheck, TheDefaultsHaveNoFinding) {
    EXPECT_TRUE(checkSettings(defaults()).empty());
}

TEST(SettingsCheck, TheStepLimitIsTheCallers) {
    Image image = defaults();
    fillMap(image, 20);
    image[advanceCell(9, 9)] = 25;
    EXPECT_TRUE(checkSettings(image, {5}).empty());
    ASSERT_EQ(checkSettings(image, {4}).size(), 1u);
    EXPECT_EQ(checkSettings(image, {4})[0].kind, FindingKind::StepAcross);
}

}  // namespace
}  // namespace tz::editing
