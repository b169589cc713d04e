#include "design/design_parts.h"

#include <array>
#include <string_view>

namespace tz::design {
namespace {

using ui::Control;
using ui::Kind;

struct ValueRow {
    std::string_view suffix;  // of the label, the edit box and the up/down
    std::string_view caption;
    Range range;
};

// Limiters, clutch master and retard, one row each down the left side.
constexpr std::array<ValueRow, 6> kValueRows{{
    {"Omez2", "Limiter [rpm]", {999, 25000, 100, 11000}},
    {"Omez1", "Start limiter [rpm]", {999, 25000, 100, 10000}},
    {"StartLimiterPause", "Start limiter delay [ms]", {0, 5000, 100, 0}},
    {"ClutchTime", "Clutch master time [ms]", {0, 1250, 5, 100}},
    {"ClutchPause", "Clutch master pause [ms]", {0, 1250, 5, 500}},
    {"Retard", "Retard [°]", {0, 25, 1, 6}},
}};

// The labels of these values show tool tips.
void buildValueRows(const Builder& page) {
    constexpr int kEditLeft = 196;
    int top = 12;
    for (const ValueRow& row : kValueRows) {
        Control caption = label("Label" + std::string(row.suffix),
                                {8, top + 4, kEditLeft - 12, kLabelHeight}, row.caption);
        caption.showHint = true;
        const ui::ControlId labelId = page.add(std::move(caption));
        page.name(
            page.editWithUpDown(row.suffix, {kEditLeft, top, 50, kEditHeight}, row.range).edit,
            {{labelId, {}}});
        top += 28;
    }
}

// The throttle sensor calibration: typed values and the buttons that take
// the live sensor voltage.
void buildTpsGroup(const Builder& page) {
    const Builder group =
        page.into(page.add(control(Kind::GroupBox, "GroupBoxTps", {8, 190, 262, 84}, "TPS")));
    group.labelledEdit("LabelTps0", "0%  [mV]", 10, "Tps0", {80, 20, 44, kEditHeight},
                       {250, 2500, 10, 700});
    group.add(control(Kind::Button, "BitBtnTps0", {146, 18, 108, 25}, "Set TPS 0 %"));
    group.labelledEdit("LabelTps100", "100%  [mv]", 10, "Tps100", {80, 50, 44, kEditHeight},
                       {2500, 4750, 10, 3790});
    group.add(control(Kind::Button, "BitBtnTps100", {146, 48, 108, 25}, "Set TPS 100 %"));
}

// The unit's program name, date and time, empty until the unit has told them.
void buildVersionLabels(const Builder& page) {
    int top = 292;
    for (std::string_view name : {"LabelVerze1", "LabelVerze2", "LabelVerze3"}) {
        Control version = label(name, {8, top, 262, kLabelHeight}, "");
        version.showHint = true;
        page.add(std::move(version));
        top += 20;
    }
}

void buildInputGroup(const Builder& page, int input, int top, std::vector<std::string> functions) {
    const std::string n = std::to_string(input);
    page.add(radioGroup("RadioGroupInput" + n, {300, top, 250, 124},
                        "multifunction input " + n + (input == 1 ? " (pin 19)" : " (pin 8)"),
                        std::move(functions)));
    page.add(liveLabel("LabelMonInput" + n + "In", {300, top + 130, 250, 20},
                       "Input " + n + ": ---", ui::Font{16, false}));
}

}  // namespace

void buildInputsPage(const Builder& page) {
    buildValueRows(page);
    buildTpsGroup(page);
    buildVersionLabels(page);
    buildInputGroup(page, 1, 8, {"Off", "Kill switch", "Clutch master", "Retard", "Start Limiter"});
    buildInputGroup(page, 2, 172, {"Off", "Blocking", "Clutch master", "Retard", "Start Limiter"});
}

}  // namespace tz::design
