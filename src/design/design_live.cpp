#include "design/design_parts.h"

#include <array>
#include <string>
#include <string_view>

#include "design/window_design.h"

namespace tz::design {
namespace {

using ui::Colour;
using ui::Control;
using ui::Font;
using ui::Kind;

struct LiveLabel {
    std::string_view name;
    int left;
    int top;
    int width;
    std::string_view caption;
    Font font;
    bool visible = true;
    Colour colour = Colour::ButtonFace;
};

constexpr Font kBold19{19, true};
constexpr Font kBold16{16, true};
constexpr Font kPlain16{16, false};

constexpr int kRight = 676;  // the right column
constexpr int kRightWidth = kClientWidth - kRight - 7;
constexpr int kLeft = 13;  // bottom left: speed and throttle
constexpr int kLeftWidth = 270;
constexpr int kMiddle = 305;  // bottom middle: advance and pick-ups
constexpr int kMiddleWidth = kRight - kMiddle - 10;

// Placeholders until the unit answers; the live monitor rewrites them.
constexpr auto kLiveLabels = std::to_array<LiveLabel>({
    {"LabelNapeti", kRight, 63, kRightWidth, "U = --- [V]", kBold19},
    {"LabelPriveraPoz", kRight, 98, kRightWidth, "Servo desired= ---", kPlain16},
    {"LabelPriveraMer", kRight, 120, kRightWidth, "Servo measured= ---", kPlain16},
    {"LabelBlocking1", kRight, 154, kRightWidth, "Motor off - ---", kPlain16},
    {"LabelClutchMon", kRight, 176, kRightWidth, "Clutch master - ---", kPlain16},
    {"LabelMonRetard", kRight, 198, kRightWidth, "Retard: ---", kPlain16},
    {"LabelMonStartLimiterOut", kRight, 220, kRightWidth, "Start limiter: ---", kPlain16},
    {"LabelKillSwitch", kRight, 242, kRightWidth, "Kill switch: ---", kPlain16},
    {"LabelMonPOut1", kRight, 276, kRightWidth, "Special out 1 - ---", kPlain16},
    {"LabelMonPOut2", kRight, 298, kRightWidth, "Special out 2 - ---", kPlain16},
    {"LabelMonPOut3", kRight, 320, kRightWidth, "Special out 3 - ---", kPlain16},
    {"LabelCom", kRight, 354, kRightWidth, "COM = ---", kPlain16},

    {"LabelRpm", kLeft, 552, kLeftWidth, "RPM = ---", kBold19},
    {"LabelTpsMon", kLeft, 599, kLeftWidth, "TP= --- [%]", kBold19},
    {"LabelEeDataErr", kLeft, 648, kLeftWidth, "Programmed data error", kBold19, false,
     Colour::Red},
    {"LabelVersion", kLeft, 676, kLeftWidth, "", kBold19, false, Colour::Red},

    {"LabelAdvance1", kMiddle, 556, kMiddleWidth, "Advance 1 = --- [°]", kBold16},
    {"LabelAdvance2", kMiddle, 580, kMiddleWidth, "Advance 2 = --- [°]", kBold16, false},
    {"LabelMonSnimac1", kMiddle, 604, kMiddleWidth, "Pick-up (CKPS) 1 = ---", kPlain16},
    {"LabelMonSnimac2", kMiddle, 628, kMiddleWidth, "Pick-up (CKPS) 2 = ---", kPlain16},
});

void addLiveLabel(const Builder& window, const LiveLabel& l) {
    Control c =
        liveLabel(l.name, {l.left, l.top, l.width, l.font.pixelHeight + 4}, l.caption, l.font);
    c.visible = l.visible;
    c.colour = l.colour;
    window.add(std::move(c));
}

// Shown while the unit does not answer.
void buildBanner(const Builder& window) {
    Control banner = liveLabel("LabelSpojeni", {480, 9, 174, 29}, "No Connection", {23, true});
    banner.colour = Colour::Red;
    window.add(std::move(banner));
}

void buildGauges(const Builder& window) {
    window.add(gauge("CGaugeRpm", {kLeft, 577, kLeftWidth, 18}, Colour::Fuchsia));
    window.add(gauge("CGaugeTps", {kLeft, 624, kLeftWidth, 18}, Colour::Desktop));
}

// Programming after change, the message line and the transfer progress.
void buildMessageArea(const Builder& window) {
    Control program = control(Kind::CheckBox, "CheckBoxProgHned", {kRight, 572, kRightWidth, 17},
                              "Programming after change");
    program.showHint = true;
    program.transparent = false;
    window.add(std::move(program));
    // Long texts such as the print header wrap onto a second line, which the
    // print layout makes room for.
    Control line =
        liveLabel("LabelHlaseni", {kRight, 594, kRightWidth, 19}, "Programming:", {15, true});
    line.autoSize = false;
    line.wordWrap = true;
    line.visible = false;
    window.add(std::move(line));
    Control progress = gauge("CGaugeProgram", {kRight, 617, 270, 18}, Colour::Aqua);
    progress.showText = true;
    progress.visible = false;
    window.add(std::move(progress));
}

// Raw test values, shown only in test mode.
void buildTestRow(const Builder& window) {
    for (int k = 1; k <= 8; ++k) {
        const std::string n = std::to_string(k);
        Control test = liveLabel("LabelTest" + n, {8 + 121 * (k - 1), 711, 118, 19},
                                 "Test" + n + " = ---", {15, true});
        test.visible = false;
        window.add(std::move(test));
    }
}

}  // namespace

void buildLiveValues(const Builder& window) {
    buildBanner(window);
    for (const LiveLabel& l : kLiveLabels) addLiveLabel(window, l);
    buildGauges(window);
    buildMessageArea(window);
    buildTestRow(window);
}

}  // namespace tz::design
