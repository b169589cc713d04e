#include "design/design_parts.h"

#include <array>
#include <string_view>

namespace tz::design {
namespace {

using ui::Control;
using ui::Kind;

struct SpeedButton {
    std::string_view name;
    std::string_view picture;
    std::string_view menuItem;  // the command's menu item, which names it
    int left;
    bool showHint;  // undo and redo have no tool tip
    bool enabled;   // undo and redo start with an empty history
};

constexpr std::array<SpeedButton, 6> kSpeedButtons{{
    {"SpeedButton6", "new", "MenuNew", 8, true, true},
    {"SpeedButtonOpen", "open", "MenuOpen", 32, true, true},
    {"SpeedButtonSave", "save", "MenuSave", 56, true, true},
    {"SpeedButtonPrint", "print", "MenuPrint", 80, true, true},
    {"SpeedButtonZpet", "undo", "MenuZpet", 112, false, false},
    {"SpeedButtonZnovu", "redo", "MenuZnovu", 136, false, false},
}};

struct PushButton {
    std::string_view name;
    std::string_view caption;
    int left;
    int width;
};

constexpr std::array<PushButton, 3> kPushButtons{{
    {"ButtonRead", "&Read", 170, 90},
    {"BitBtnVerify", "Verify", 266, 92},
    {"BitBtnProgram", "Program", 364, 98},
}};

}  // namespace

// None of the toolbar's buttons takes the focus by tabbing.
void buildToolbar(const Builder& window) {
    const Builder bar =
        window.into(window.add(control(Kind::GroupBox, "GroupBoxToolBar", {3, 0, 470, 43})));
    for (const SpeedButton& b : kSpeedButtons) {
        Control button = control(Kind::SpeedButton, b.name, {b.left, 13, 24, 23});
        button.picture = std::string(b.picture);
        button.showHint = b.showHint;
        button.enabled = b.enabled;
        button.tabStop = false;
        bar.name(bar.add(std::move(button)), {bar.captionOf(b.menuItem)});
    }
    for (const PushButton& b : kPushButtons) {
        Control button = control(Kind::Button, b.name, {b.left, 12, b.width, 25}, b.caption);
        button.showHint = true;
        button.tabStop = false;
        bar.add(std::move(button));
    }
}

}  // namespace tz::design
