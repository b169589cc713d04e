#include "gui/demo_model.h"

#include <string>

namespace tz::gui {

namespace {

using ui::Align;
using ui::Colour;
using ui::Control;
using ui::ControlId;
using ui::Kind;

Control make(Kind kind, std::string name, ControlId parent, ui::Rect bounds,
             std::string caption = {}) {
    Control c;
    c.kind = kind;
    c.name = std::move(name);
    c.parent = parent;
    c.bounds = bounds;
    c.caption = std::move(caption);
    if (kind == Kind::Edit || kind == Kind::ComboBox) c.colour = Colour::Window;
    return c;
}

ControlId label(ui::ControlModel& m, std::string name, ControlId parent, int x, int y,
                std::string caption, ui::Font font = {}) {
    Control c = make(Kind::Label, std::move(name), parent, {x, y, 0, 0}, std::move(caption));
    c.autoSize = true;
    c.font = font;
    return m.add(std::move(c));
}

// An edit box with its up/down right of it.
void editWithUpDown(ui::ControlModel& m, const std::string& name, ControlId parent, int x, int y,
                    int value, int min, int max, int step = 1) {
    const ControlId edit =
        m.add(make(Kind::Edit, "Edit" + name, parent, {x, y, 40, 21}, std::to_string(value)));
    Control u = make(Kind::UpDown, "UpDown" + name, parent, {x + 40, y, 16, 21});
    u.associate = edit;
    u.min = min;
    u.max = max;
    u.step = step;
    u.position = value;
    u.tabStop = false;
    m.add(std::move(u));
}

void menuItem(ui::ControlModel& m, std::string name, ControlId parent, std::string caption,
              std::string shortcut = {}, std::string hint = {}, bool checked = false) {
    Control c = make(Kind::MenuItem, std::move(name), parent, {}, std::move(caption));
    c.shortcut = std::move(shortcut);
    c.hint = std::move(hint);
    c.checked = checked;
    c.checkable = checked;
    m.add(std::move(c));
}

void addMenus(ui::ControlModel& m) {
    const ControlId bar = m.add(make(Kind::Menu, "MainMenu1", ui::kNoControl, {}));
    const ControlId file = m.add(make(Kind::Menu, "MenuFile", bar, {}, "&File"));
    menuItem(m, "MenuNew", file, "&New", "Ctrl+N", "Default settings");
    m.add(make(Kind::MenuSeparator, "", file, {}));
    menuItem(m, "MenuOpen", file, "&Open", "F3", "Open a parameter file");
    menuItem(m, "MenuSave", file, "&Save", "F2", "Save the parameters to a file");
    m.add(make(Kind::MenuSeparator, "", file, {}));
    menuItem(m, "MenuExit", file, "E&xit");
    const ControlId device = m.add(make(Kind::Menu, "MenuDevice", bar, {}, "&Ignition"));
    menuItem(m, "MenuRead", device, "&Read", "F7");
    menuItem(m, "MenuVerify", device, "&Verify", "F8");
    menuItem(m, "MenuProgram", device, "&Program", "F9");
    const ControlId tools = m.add(make(Kind::Menu, "MenuTools", bar, {}, "Tools"));
    menuItem(m, "MenuZpet", tools, "Undo", "Ctrl+Z");
    menuItem(m, "MenuZnovu", tools, "Redo", "Ctrl+Alt+Z");
    const ControlId language = m.add(make(Kind::Menu, "MenuLanguage", bar, {}, "&Language"));
    menuItem(m, "MenuEnglish", language, "&English", {}, {}, true);
    menuItem(m, "MenuGerman", language, "&German");
    menuItem(m, "MenuFrench", language, "&French");
    menuItem(m, "MenuCzech", language, "&Czech");
    const ControlId help = m.add(make(Kind::Menu, "MenuHelp", bar, {}, "&Help"));
    menuItem(m, "MenuAbout", help, "&About...");
}

void addToolbar(ui::ControlModel& m, ControlId window) {
    const ControlId toolbar =
        m.add(make(Kind::GroupBox, "GroupBoxToolBar", window, {3, 0, 470, 43}));
    const char* const pictures[] = {"new", "open", "save", "print", "undo", "redo"};
    const char* const hints[] = {"New|Default settings",
                                 "Open|Open a parameter file",
                                 "Save|Save the parameters",
                                 "Print|Print the window",
                                 "",
                                 ""};
    for (int i = 0; i < 6; ++i) {
        Control c = make(Kind::SpeedButton, std::string("SpeedButton_") + pictures[i], toolbar,
                         {8 + 26 * i + (i >= 4 ? 8 : 0), 13, 24, 23});
        c.picture = pictures[i];
        c.hint = hints[i];
        c.showHint = true;
        c.enabled = i != 4;
        m.add(std::move(c));
    }
    m.add(make(Kind::Button, "ButtonRead", toolbar, {180, 12, 88, 25}, "&Read"));
    m.add(make(Kind::Button, "BitBtnVerify", toolbar, {274, 12, 88, 25}, "&Verify"));
    m.add(make(Kind::Button, "BitBtnProgram", toolbar, {368, 12, 94, 25}, "&Program"));
}

void addInputsPage(ui::ControlModel& m, ControlId page) {
    label(m, "LabelOmez2", page, 16, 20, "Limiter [rpm]");
    editWithUpDown(m, "Omez2", page, 160, 16, 12000, 1000, 25000, 100);
    label(m, "LabelOmez1", page, 16, 50, "Start limiter [rpm]");
    editWithUpDown(m, "Omez1", page, 160, 46, 4000, 1000, 25000, 100);
    const ControlId tps =
        m.add(make(Kind::GroupBox, "GroupBoxTps", page, {16, 90, 260, 90}, "TPS"));
    label(m, "LabelTps0", tps, 12, 24, "0%  [mV]");
    editWithUpDown(m, "Tps0", tps, 80, 20, 500, 250, 2500, 10);
    m.add(make(Kind::Button, "BitBtnTps0", tps, {150, 18, 100, 25}, "Set TPS 0 %"));
    label(m, "LabelTps100", tps, 12, 58, "100%  [mv]");
    editWithUpDown(m, "Tps100", tps, 80, 54, 4500, 2500, 5000, 10);
    m.add(make(Kind::Button, "BitBtnTps100", tps, {150, 52, 100, 25}, "Set TPS 100 %"));
    Control input =
        make(Kind::RadioGroup, "RadioGroupInput1", page, {320, 16, 150, 110}, "Input 1");
    input.items = {"Off", "Kill switch", "Clutch master", "Retard", "Start limiter"};
    input.itemIndex = 0;
    m.add(std::move(input));
    Control colours =
        make(Kind::RadioGroup, "RadioGroupColumns", page, {320, 140, 300, 60}, "Two columns");
    colours.items = {"&One", "&Two", "Three", "Four", "Five"};
    colours.columns = 2;
    colours.itemIndex = 3;
    m.add(std::move(colours));
    label(m, "LabelVerze1", page, 16, 420, "Version: ---");
    m.add(make(Kind::Bevel, "Bevel1", page, {16, 410, 600, 2}));
}

void addBikePage(ui::ControlModel& m, ControlId page) {
    Control bike = make(Kind::ComboBox, "ComboBoxBike", page, {16, 16, 330, 21});
    bike.items = {"Special setting", "Standard  (2 lobe  per revol., 1 or 2 pick-up) ",
                  "Standard  (3 lobe  per revol., 1 pick-up) "};
    bike.itemIndex = 1;
    bike.hint = "Type of keying";
    bike.showHint = true;
    m.add(std::move(bike));
    Control check = make(Kind::CheckBox, "CheckBoxZamenaPickup", page, {16, 50, 200, 17},
                         "Pick-up &interchange");
    m.add(std::move(check));
    Control polarity = make(Kind::RadioGroup, "RadioGroupPickup1Polarita", page, {16, 80, 200, 80},
                            "Polarity of pick-up 1");
    polarity.items = {"Positive", "Negative", "Automatic"};
    polarity.itemIndex = 2;
    m.add(std::move(polarity));
}

void addAdvancePage(ui::ControlModel& m, ControlId page) {
    const ControlId grid =
        m.add(make(Kind::GroupBox, "GroupBox6", page, {8, 4, 630, 200}, "Advance map"));
    for (int c = 0; c < 4; ++c)
        editWithUpDown(m, "RpmAdv" + std::to_string(c + 1), grid, 60 + 64 * c, 20, 1000 + 1000 * c,
                       300, 25000, 100);
    const char* const rows[] = {"0%", "50%", "100%"};
    for (int r = 0; r < 3; ++r) {
        label(m, std::string("LabelTps") + std::to_string(r + 1), grid, 12, 56 + 30 * r, rows[r]);
        for (int c = 0; c < 4; ++c)
            editWithUpDown(m, std::to_string(50 + 10 * r + c), grid, 60 + 64 * c, 52 + 30 * r,
                           10 + 2 * r + c, 0, 60);
    }
    for (int c = 0; c < 4; ++c)
        m.add(make(Kind::SpinButton, "CSpinButton" + std::to_string(c + 1), grid,
                   {80 + 64 * c, 146, 20, 25}));
    Control all = make(Kind::CheckBox, "CheckBoxIgnAll", grid, {340, 150, 60, 17}, "All");
    m.add(std::move(all));
    Control mode = make(Kind::TrackBar, "TrackBarAngle", page, {8, 214, 200, 32});
    mode.min = 0;
    mode.max = 90;
    mode.position = 30;
    mode.tickStep = 10;
    m.add(std::move(mode));
    Control canvas = make(Kind::Canvas, "Graph2D", page, {220, 214, 418, 250});
    canvas.colour = Colour::White;
    canvas.hint = "  rpm=3000; advance=28°";
    m.add(std::move(canvas));
}

void addRightColumn(ui::ControlModel& m, ControlId window) {
    Control banner = make(Kind::Label, "LabelSpojeni", window, {480, 9, 174, 29}, "No Connection");
    banner.font = {23, true};
    banner.transparent = false;
    banner.colour = Colour::Red;
    banner.alignment = Align::Center;
    m.add(std::move(banner));
    label(m, "LabelNapeti", window, 676, 63, "U = --- [V]", {19, true});
    label(m, "LabelCom", window, 676, 95, "COM = ---", {16, false});
    Control killSwitch =
        make(Kind::Label, "LabelKillSwitch", window, {676, 120, 0, 0}, "Kill switch");
    killSwitch.autoSize = true;
    killSwitch.font = {16, false};
    killSwitch.transparent = false;
    killSwitch.colour = Colour::Lime;
    m.add(std::move(killSwitch));
    Control disabled = make(Kind::Label, "LabelBlocking1", window, {676, 145, 0, 0}, "Blocking");
    disabled.autoSize = true;
    disabled.font = {16, false};
    disabled.enabled = false;
    m.add(std::move(disabled));
    Control prog = make(Kind::CheckBox, "CheckBoxProgHned", window, {676, 572, 270, 17},
                        "Programming after change");
    prog.hint = "Programing at once after change";
    prog.showHint = true;
    prog.colour = Colour::Red;
    prog.checked = true;
    m.add(std::move(prog));
    Control message =
        make(Kind::Label, "LabelHlaseni", window, {676, 594, 270, 20}, "Program device:");
    message.font = {15, true};
    message.transparent = false;
    m.add(std::move(message));
    Control progress = make(Kind::Gauge, "CGaugeProgram", window, {676, 617, 270, 18});
    progress.max = 3;
    progress.position = 2;
    progress.showText = true;
    progress.colour = Colour::White;
    m.add(std::move(progress));
}

void addBottom(ui::ControlModel& m, ControlId window) {
    label(m, "LabelRpm", window, 13, 552, "RPM = 3250", {19, true});
    Control rpm = make(Kind::Gauge, "CGaugeRpm", window, {13, 578, 270, 18});
    rpm.max = 12000;
    rpm.position = 3250;
    rpm.barColour = Colour::Fuchsia;
    rpm.colour = Colour::White;
    m.add(std::move(rpm));
    label(m, "LabelTpsMon", window, 13, 604, "TP= 42 [%]", {19, true});
    Control tps = make(Kind::Gauge, "CGaugeTps", window, {13, 630, 270, 18});
    tps.position = 42;
    tps.barColour = Colour::Desktop;
    tps.colour = Colour::White;
    m.add(std::move(tps));
    label(m, "LabelAdvance1", window, 305, 556, "Advance 1 = 28°", {16, true});
    Control warning = make(Kind::Label, "LabelMonSnimac1", window, {305, 582, 0, 0}, "Pick-up 1");
    warning.autoSize = true;
    warning.font = {16, false};
    warning.transparent = false;
    warning.colour = Colour::Yellow;
    m.add(std::move(warning));
    for (int i = 0; i < 8; ++i) {
        label(m, "LabelTest" + std::to_string(i + 1), window, 13 + 121 * i, 711,
              "Test" + std::to_string(i + 1) + " = ---", {15, true});
    }
}

}  // namespace

ui::ControlModel demoModel(int screenWidth, int screenHeight) {
    ui::ControlModel m;
    const ControlId window =
        m.add(make(Kind::Window, "FormHlav", ui::kNoControl,
                   {(screenWidth - 991) / 2, (screenHeight - 812) / 2, 991, 812},
                   "  TZ_ARKO5       demo.ign"));
    addMenus(m);
    addToolbar(m, window);
    Control pages = make(Kind::PageControl, "PageControl1", window, {4, 48, 653, 497});
    pages.itemIndex = 0;
    const ControlId pageControl = m.add(std::move(pages));
    const char* const titles[] = {"&Inputs", "&Bike",     "&Advance Map",
                                  "&Servo",  "Power Out", "Test"};
    ControlId sheets[6];
    for (int i = 0; i < 6; ++i)
        sheets[i] =
            m.add(make(Kind::TabSheet, "TabSheet" + std::to_string(i), pageControl, {}, titles[i]));
    addInputsPage(m, sheets[0]);
    addBikePage(m, sheets[1]);
    addAdvancePage(m, sheets[2]);
    addRightColumn(m, window);
    addBottom(m, window);
    Control status = make(Kind::StatusBar, "StatusBar1", window, {0, 748, 983, 18});
    status.items = {"", "EXE", "exe", "HEX", "hex"};
    status.panelWidths = {400, 30, 280, 30, 300};
    status.panelAlignments = {Align::Left, Align::Right, Align::Left, Align::Right, Align::Left};
    m.add(std::move(status));
    return m;
}

bool DemoLogic::keyPressed(ui::ControlId edit, int key) {
    if (key != kKeyEnter) return false;
    model_.requestFocusNext(edit);
    return true;
}

void DemoLogic::clicked(ui::ControlId control) {
    if (model_.at(control).name == "MenuExit") host_.closeWindow();
}

void DemoLogic::hintChanged(std::string_view longHint) {
    model_.setPanelText(model_.id("StatusBar1"), 0, longHint);
}

}  // namespace tz::gui
