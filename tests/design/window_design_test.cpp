#include "design/window_design.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <stdexcept>
#include <string>
#include <vector>

#include "design/control_names.h"
#include "designed_window.h"
#include "texts/caption_tables.h"
#include "texts/captions.h"

namespace tz::design {
namespace {

using testing::designedWindow;
using ui::Control;
using ui::ControlId;
using ui::Kind;

bool isMenu(Kind kind) {
    return kind == Kind::Menu || kind == Kind::MenuItem;
}

std::vector<std::string> childNames(const ui::ControlModel& m, std::string_view parent) {
    std::vector<std::string> names;
    for (ControlId child : m.children(m.id(ui::ControlName{parent})))
        names.push_back(m.at(child).name);
    return names;
}

// The logic names controls only through these constants; each must be in the
// design, and a name that is not fails loudly instead of finding nothing.
TEST(WindowDesign, EveryNamedControlOfTheLogicExists) {
    const ui::ControlModel& m = designedWindow();
    for (ui::ControlName name : ctl::kAllNames)
        EXPECT_NE(m.find(name.text), ui::kNoControl) << name.text;
    EXPECT_THROW(m.id(ui::ControlName{"LabelHlasen"}), std::invalid_argument);
    EXPECT_THROW(m["UpDown150"], std::invalid_argument);
}

TEST(WindowDesign, EveryNameLeadsBackToItsOwnControl) {
    const ui::ControlModel& m = designedWindow();
    for (ControlId id = 0; id < m.size(); ++id) {
        const Control& c = m.at(id);
        if (c.name.empty()) {
            EXPECT_EQ(c.kind, Kind::MenuSeparator) << "control " << id << " has no name";
        } else {
            EXPECT_EQ(m.find(c.name), id) << c.name << " is used twice";
        }
    }
}

// Every target of the caption fill exists with a kind that the assignment
// fits, so that a misspelt name on either side shows up. The 3D graph's
// check boxes belong to the graph area, which is created at start-up.
TEST(WindowDesign, EveryTargetOfTheCaptionFillExists) {
    const ui::ControlModel& m = designedWindow();
    std::vector<std::string_view> graphArea;
    for (const texts::CaptionRow& row : texts::graphCheckBoxCaptions()) {
        graphArea.push_back(row.target);
    }
    for (const texts::CaptionAssignment& a : texts::fillCaptions({})) {
        if (std::find(graphArea.begin(), graphArea.end(), a.target) != graphArea.end()) continue;
        const ControlId id = m.find(a.target);
        ASSERT_NE(id, ui::kNoControl) << a.target;
        const Control& c = m.at(id);
        switch (a.aspect) {
            case texts::Aspect::MenuCaption:
            case texts::Aspect::MenuHint:
                EXPECT_TRUE(isMenu(c.kind)) << a.target;
                break;
            case texts::Aspect::MenuCheck:
                EXPECT_TRUE(c.kind == Kind::MenuItem && c.checkable) << a.target;
                break;
            case texts::Aspect::ComboItem:
                EXPECT_EQ(c.kind, Kind::ComboBox) << a.target;
                EXPECT_LT(a.item, static_cast<int>(c.items.size())) << a.target;
                break;
            case texts::Aspect::RadioItems:
                EXPECT_EQ(c.kind, Kind::RadioGroup) << a.target;
                break;
            case texts::Aspect::WindowCaption:
                EXPECT_EQ(c.kind, Kind::Window) << a.target;
                break;
            case texts::Aspect::Caption:
            case texts::Aspect::ControlHint:
                EXPECT_FALSE(isMenu(c.kind) || c.kind == Kind::Window) << a.target;
                break;
        }
    }
}

// Controls that the logic addresses by name and that no caption names.
TEST(WindowDesign, ControlsTheLogicAddressesExist) {
    const ui::ControlModel& m = designedWindow();
    for (const char* name : {"TFormHlav",
                             "GroupBoxToolBar",
                             "SpeedButtonZpet",
                             "SpeedButtonZnovu",
                             "PageControl1",
                             "TabSheetPowerOut",
                             "TabSheet_Ladeni",
                             "GroupBoxTps",
                             "BitBtnTps0",
                             "BitBtnTps100",
                             "ComboBoxBike",
                             "ComboBoxSynchro",
                             "ComboBoxNasobekPalcu",
                             "GroupBox6",
                             "RadioGroupGraphMode",
                             "CSpinButtonAll",
                             "CSpinButton11",
                             "CheckBoxTpsMapa",
                             "StatusBar1",
                             "CGaugeProgram",
                             "CGaugeRpm",
                             "CGaugeTps",
                             "LabelHlaseni",
                             "LabelNapeti",
                             "LabelRpm",
                             "LabelTpsMon",
                             "LabelEeDataErr",
                             "LabelVersion",
                             "LabelCom",
                             "GroupBoxTestIgn",
                             "GroupBoxTestRpm",
                             "GroupBoxTestServo",
                             "GroupBoxTestPOut",
                             "LabelTestServo",
                             "LabelStartLimiterPause",
                             "LabelTps0",
                             "LabelTps100"}) {
        EXPECT_TRUE(m.contains(name)) << name;
    }
}

TEST(WindowDesign, WindowPagesAndStatusBar) {
    const ui::ControlModel& m = designedWindow();
    const Control& window = m["TFormHlav"];
    EXPECT_EQ(window.kind, Kind::Window);
    EXPECT_EQ(window.caption, "  TZ_ARKO5");
    EXPECT_EQ(window.bounds, (ui::Rect{0, 0, 991, 812}));

    EXPECT_EQ(childNames(m, "PageControl1"),
              (std::vector<std::string>{"TabSheet_Inputs", "TabSheetBike", "TabSheetAdvance",
                                        "TabSheetServo", "TabSheetPowerOut", "TabSheet_Ladeni",
                                        "TabSheetLog"}));
    EXPECT_EQ(m["TabSheetPowerOut"].caption, "Power Out");
    EXPECT_EQ(m["PageControl1"].bounds, (ui::Rect{4, 48, 653, 497}));

    const Control& bar = m["StatusBar1"];
    // Every panel, the unit's state last, is seen in the window's width.
    EXPECT_LE(std::accumulate(bar.panelWidths.begin(), bar.panelWidths.end(), 0), kClientWidth);
    EXPECT_EQ(bar.items, (std::vector<std::string>{"", "EXE", "exe", "HEX", "hex", "", ""}));
    EXPECT_EQ(bar.items.size(), static_cast<std::size_t>(kUnitStatePanel) + 1);
    EXPECT_EQ(bar.panelAlignments[1], ui::Align::Right);
    EXPECT_EQ(bar.panelAlignments[3], ui::Align::Right);
    EXPECT_EQ(bar.bounds.bottom(), kClientHeight);
    EXPECT_EQ(bar.bounds.height, 18);
}

TEST(WindowDesign, MenuBarAndItems) {
    const ui::ControlModel& m = designedWindow();
    const ControlId bar = m.id(ui::ControlName{"MainMenu1"});
    EXPECT_EQ(m.at(bar).parent, ui::kNoControl);
    EXPECT_EQ(childNames(m, "MainMenu1"),
              (std::vector<std::string>{"MenuFile", "MenuCom", "MenuDevice", "MenuTools",
                                        "MenuLanguage", "MenuHelp"}));
    EXPECT_EQ(
        childNames(m, "MenuFile"),
        (std::vector<std::string>{"MenuNew", "", "MenuOpen", "MenuOpenExeDir", "", "MenuSave",
                                  "MenuSaveExeDir", "", "MenuCompareFile", "MenuRestorePoints", "",
                                  "MenuPrint", "MenuPrintAll", "", "MenuExit"}));
    EXPECT_EQ(childNames(m, "MenuDevice"),
              (std::vector<std::string>{"MenuRead", "MenuVerify", "MenuProgram", "",
                                        "MenuCompareUnit", "MenuBackup"}));
    EXPECT_TRUE(m["MenuBackup"].checkable);
    EXPECT_FALSE(m["MenuBackup"].checked);

    struct Item {
        const char* name;
        const char* caption;
        const char* shortcut;
    };
    const Item items[] = {
        {"MenuFile", "&File", ""},           {"MenuNew", "&New", "Ctrl+N"},
        {"MenuOpen", "&Open", "F3"},         {"MenuOpenExeDir", "Open from exe dir", "Ctrl+F3"},
        {"MenuSave", "&Save", "F2"},         {"MenuSaveExeDir", "Save to exe dir", "Ctrl+F2"},
        {"MenuPrint", "&Print", "Ctrl+P"},   {"MenuPrintAll", "Print All", ""},
        {"MenuExit", "E&xit", ""},           {"MenuCom", "&Com", ""},
        {"MenuDevice", "&Device", ""},       {"MenuRead", "&Read", "F7"},
        {"MenuVerify", "&Verify", "F8"},     {"MenuProgram", "&Program", "F9"},
        {"MenuTools", "&Tools", ""},         {"AdvanceMinus", "Advance -", "F4"},
        {"AdvancePlus", "Advance +", "F5"},  {"MenuZpet", "Undo", "Ctrl+Z"},
        {"MenuZnovu", "Redo", "Ctrl+Alt+Z"}, {"MenuInterpol", "Interpolace", "Ctrl+I"},
        {"MenuLanguage", "&Language", ""},   {"MenuFrench", "&France", ""},
        {"MenuContens", "&Contens", "F1"},   {"MenuAbout", "&About...", ""},
    };
    for (const Item& item : items) {
        const Control& c = m[item.name];
        EXPECT_EQ(c.caption, item.caption) << item.name;
        EXPECT_EQ(c.shortcut, item.shortcut) << item.name;
    }
    EXPECT_FALSE(m["MenuPrintAll"].visible);

    int checked = 0;
    for (ControlId language : m.children(m.id(ui::ControlName{"MenuLanguage"}))) {
        EXPECT_TRUE(m.at(language).checkable) << m.at(language).name;
        checked += m.at(language).checked ? 1 : 0;
    }
    EXPECT_EQ(checked, 1);
}

TEST(WindowDesign, PortMenuHoldsThirtyPortsAndTheSearch) {
    const ui::ControlModel& m = designedWindow();
    const std::vector<ControlId>& items = m.children(m.id(ui::ControlName{"MenuCom"}));
    ASSERT_EQ(items.size(), 31U);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const Control& item = m.at(items[i]);
        EXPECT_EQ(item.kind, Kind::MenuItem);
        EXPECT_EQ(item.name, "MenuCom" + std::to_string(i + 1));
        EXPECT_TRUE(item.checkable) << item.name;
    }
    EXPECT_EQ(m.at(items[0]).caption, "Com 1");
    EXPECT_EQ(m.at(items[29]).caption, "Com 30");
    EXPECT_EQ(m.at(items[30]).caption, "Com Auto");
}

TEST(WindowDesign, ToolbarButtonsStayOutOfTheTabOrder) {
    const ui::ControlModel& m = designedWindow();
    EXPECT_EQ(childNames(m, "GroupBoxToolBar"),
              (std::vector<std::string>{"SpeedButton6", "SpeedButtonOpen", "SpeedButtonSave",
                                        "SpeedButtonPrint", "SpeedButtonZpet", "SpeedButtonZnovu",
                                        "ButtonRead", "BitBtnVerify", "BitBtnProgram"}));
    for (ControlId button : m.children(m.id(ui::ControlName{"GroupBoxToolBar"}))) {
        EXPECT_FALSE(m.at(button).tabStop) << m.at(button).name;
    }
    EXPECT_EQ(m["SpeedButton6"].picture, "new");
    EXPECT_EQ(m["SpeedButtonZnovu"].picture, "redo");
    EXPECT_FALSE(m["SpeedButtonZpet"].showHint);
    EXPECT_TRUE(m["BitBtnProgram"].showHint);
}

// Texts that read the same in every language, and the looks of the live
// values, as the window is built.
TEST(WindowDesign, InitialTextsAndLooks) {
    struct Case {
        const char* name;
        const char* caption;
        int pixelHeight;
        bool bold;
        bool visible;
    };
    const Case cases[] = {
        {"LabelSpojeni", "No Connection", 23, true, true},
        {"LabelHlaseni", "Programming:", 15, true, false},
        {"LabelNapeti", "U = --- [V]", 19, true, true},
        {"LabelCom", "COM = ---", 16, false, true},
        {"LabelRpm", "RPM = ---", 19, true, true},
        {"LabelTpsMon", "TP= --- [%]", 19, true, true},
        {"LabelEeDataErr", "Programmed data error", 19, true, false},
        {"LabelVersion", "", 19, true, false},
        {"LabelAdvance1", "Advance 1 = --- [°]", 16, true, true},
        {"LabelAdvance2", "Advance 2 = --- [°]", 16, true, false},
        {"LabelTest1", "Test1 = ---", 15, true, false},
        {"LabelTest8", "Test8 = ---", 15, true, false},
        {"LabelStartLimiterPause", "Start limiter delay [ms]", 11, false, true},
        {"LabelTps0", "0%  [mV]", 11, false, true},
        {"LabelTps100", "100%  [mv]", 11, false, true},
        {"BitBtnTps100", "Set TPS 100 %", 11, false, true},
        {"LabelKorekceAdv", "Corection for cyl 1,2", 11, false, true},
        {"CheckBoxTpsMapa", "TPS", 11, false, true},
        {"LabelTps10", "100%", 11, false, true},
        {"ButtonTestServoMinus", "Servo -", 11, false, true},
        {"ButtonTestPOut3", "3", 11, false, true},
        {"LabelTestServo", "Time [ms]", 11, false, true},
        {"GroupBoxTestPOut", "Power out", 11, false, true},
    };
    const ui::ControlModel& m = designedWindow();
    for (const Case& c : cases) {
        const Control& control = m[c.name];
        EXPECT_EQ(control.caption, c.caption) << c.name;
        EXPECT_EQ(control.font, (ui::Font{c.pixelHeight, c.bold})) << c.name;
        EXPECT_EQ(control.visible, c.visible) << c.name;
    }
    EXPECT_EQ(m["LabelSpojeni"].colour, ui::Colour::Red);
    EXPECT_EQ(m["LabelSpojeni"].bounds, (ui::Rect{480, 9, 174, 29}));
    EXPECT_EQ(m["LabelEeDataErr"].colour, ui::Colour::Red);
    EXPECT_EQ(m["CGaugeRpm"].barColour, ui::Colour::Fuchsia);
    EXPECT_EQ(m["CGaugeTps"].barColour, ui::Colour::Desktop);
    const Control& progress = m["CGaugeProgram"];
    EXPECT_EQ(progress.barColour, ui::Colour::Aqua);
    EXPECT_TRUE(progress.showText);
    EXPECT_FALSE(progress.visible);
    EXPECT_EQ(progress.bounds, (ui::Rect{676, 617, 270, 18}));
    EXPECT_EQ(m["ComboBoxSynchro"].items.size(), 15U);
    EXPECT_EQ(m["ComboBoxSynchro"].items[8], "Harley");
    EXPECT_EQ(m["ComboBoxBike"].items[3], "Standard  (1 lobe 2  rev. (CMPS), 1 or 2 pick-up) ");
    for (const char* combo : {"ComboBoxBike", "ComboBoxSynchro", "ComboBoxNasobekPalcu"}) {
        EXPECT_EQ(m[combo].hint, "Type of keying") << combo;
        EXPECT_TRUE(m[combo].showHint) << combo;
    }
}

}  // namespace
}  // namespace tz::design
