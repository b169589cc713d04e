#include "gui_fixture.h"

#include <QApplication>
#include <QTest>

#include "gui/app_identity.h"
#include "gui/app_look.h"

namespace tz::gui::test {

namespace {

// One QApplication for the whole test program, on the offscreen platform
// unless another is set.
class QtEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QApplication>(argc_, argv_);
        applyApplicationIdentity();
        applyApplicationLook();
    }
    void TearDown() override { app_.reset(); }

  private:
    int argc_ = 1;
    char name_[16] = "tz_gui_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const kQt =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

using ui::Align;
using ui::Colour;
using ui::Control;
using ui::ControlId;
using ui::Kind;

Control make(Kind kind, std::string name, ControlId parent, ui::Rect bounds,
             std::string caption = {}) {
    return makeControl(kind, std::move(name), parent, bounds, std::move(caption));
}

void addMenus(ui::ControlModel& m) {
    const ControlId bar = m.add(make(Kind::Menu, "Bar", ui::kNoControl, {}));
    const ControlId file = m.add(make(Kind::Menu, "MenuFile", bar, {}, "&File"));
    Control item = make(Kind::MenuItem, "MenuNew", file, {}, "&New");
    item.shortcut = "Ctrl+N";
    item.hint = "Default settings";
    m.add(std::move(item));
    m.add(make(Kind::MenuSeparator, "", file, {}));
    item = make(Kind::MenuItem, "MenuAuto", file, {}, "&Auto");
    item.checkable = true;
    m.add(std::move(item));
    item = make(Kind::MenuItem, "MenuHidden", file, {}, "Hidden");
    item.shortcut = "Ctrl+H";
    item.visible = false;
    m.add(std::move(item));
    const ControlId tools = m.add(make(Kind::Menu, "MenuTools", bar, {}, "&Tools"));
    item = make(Kind::MenuItem, "MenuUndo", tools, {}, "Undo");
    item.shortcut = "Ctrl+Z";
    m.add(std::move(item));
    item = make(Kind::MenuItem, "MenuRedo", tools, {}, "Redo");
    item.shortcut = "Ctrl+Alt+Z";
    m.add(std::move(item));
}

void addGroup(ui::ControlModel& m, ControlId window) {
    Control group = make(Kind::GroupBox, "Group", window, {10, 10, 300, 150}, "&Group");
    group.hint = "Group tip|Group hint";
    const ControlId g = m.add(std::move(group));
    m.add(make(Kind::Label, "Label", g, {10, 20, 80, 13}, "&Limit"));
    Control edit = make(Kind::Edit, "Edit1", g, {100, 20, 40, 21}, "10");
    edit.colour = Colour::Window;
    const ControlId edit1 = m.add(std::move(edit));
    Control upDown = make(Kind::UpDown, "UpDown1", g, {140, 20, 16, 21});
    upDown.associate = edit1;
    upDown.max = 20;
    upDown.position = 10;
    m.add(std::move(upDown));
    m.add(make(Kind::Edit, "Edit2", g, {100, 50, 40, 21}, "5"));
    m.add(make(Kind::CheckBox, "Check", g, {10, 80, 120, 17}, "&Check"));
    m.add(make(Kind::Label, "Amp", g, {10, 110, 20, 13}, "&"));
}

void addOthers(ui::ControlModel& m, ControlId window) {
    Control radio = make(Kind::RadioGroup, "Radio", window, {320, 10, 170, 100}, "Radio");
    radio.items = {"A", "B", "C", "D", "E"};
    radio.columns = 2;
    radio.itemIndex = 0;
    m.add(std::move(radio));
    Control combo = make(Kind::ComboBox, "Combo", window, {320, 120, 170, 21});
    combo.items = {"one", "two", "three"};
    combo.itemIndex = 0;
    m.add(std::move(combo));
    Control button = make(Kind::Button, "Button", window, {10, 170, 75, 25}, "&Push");
    button.hint = "Push it|Push the button";
    button.showHint = true;
    m.add(std::move(button));
    Control speed = make(Kind::SpeedButton, "Speed", window, {90, 170, 24, 23});
    speed.picture = "save";
    speed.hint = "Save|Save a file";
    speed.showHint = true;
    m.add(std::move(speed));
    m.add(make(Kind::SpinButton, "Spin", window, {120, 170, 20, 25}));
    Control gauge = make(Kind::Gauge, "Gauge", window, {150, 170, 100, 18});
    gauge.max = 3;
    gauge.position = 1;
    gauge.showText = true;
    m.add(std::move(gauge));
    Control track = make(Kind::TrackBar, "Track", window, {260, 165, 150, 32});
    track.max = 90;
    track.position = 30;
    track.tickStep = 10;
    m.add(std::move(track));
}

void addPages(ui::ControlModel& m, ControlId window) {
    Control pages = make(Kind::PageControl, "Pages", window, {10, 200, 300, 150});
    pages.itemIndex = 0;
    const ControlId p = m.add(std::move(pages));
    const ControlId first = m.add(make(Kind::TabSheet, "Page0", p, {}, "&First"));
    m.add(make(Kind::Label, "PageLabel", first, {10, 10, 60, 13}, "On page"));
    const ControlId second = m.add(make(Kind::TabSheet, "Page1", p, {}, "&Second"));
    m.add(make(Kind::Button, "PageButton", second, {10, 10, 75, 25}, "Go"));
    Control hidden = make(Kind::TabSheet, "Page2", p, {}, "Hidden");
    hidden.tabVisible = false;
    m.add(std::move(hidden));
}

ui::ControlModel makeModel() {
    ui::ControlModel m;
    const ControlId window =
        m.add(make(Kind::Window, "Form", ui::kNoControl, {10, 20, 508, 446}, "Test window"));
    addMenus(m);
    addGroup(m, window);
    addOthers(m, window);
    addPages(m, window);
    m.add(make(Kind::Bevel, "Bevel", window, {320, 160, 170, 2}));
    Control canvas = make(Kind::Canvas, "Canvas", window, {320, 200, 170, 150});
    canvas.colour = Colour::White;
    canvas.hint = "Canvas hint";
    m.add(std::move(canvas));
    m.add(make(Kind::Panel, "Panel", window, {10, 360, 100, 20}));
    Control status = make(Kind::StatusBar, "Status", window, {0, 382, 500, 18});
    status.items = {"", "EXE", "exe"};
    status.panelWidths = {200, 30, 100};
    status.panelAlignments = {Align::Left, Align::Right};
    m.add(std::move(status));
    return m;
}

std::string modifiersText(Modifiers m) {
    std::string text;
    if (m.shift()) text += " shift";
    if (m.ctrl()) text += " ctrl";
    if (m.alt) text += " alt";
    return text;
}

}  // namespace

ui::Control makeControl(ui::Kind kind, std::string name, ui::ControlId parent, ui::Rect bounds,
                        std::string caption) {
    ui::Control c;
    c.kind = kind;
    c.name = std::move(name);
    c.parent = parent;
    c.bounds = bounds;
    c.caption = std::move(caption);
    return c;
}

void RecordingEvents::upDownClicked(ui::ControlId upDown, int direction) {
    log.push_back("upDown " + name(upDown) + " " + std::to_string(direction) +
                  " text=" + model_.caption(model_.at(upDown).associate));
}

void RecordingEvents::editExited(ui::ControlId edit) {
    log.push_back("exit " + name(edit));
}

bool RecordingEvents::keyPressed(ui::ControlId edit, const KeyPress& key) {
    std::string modifiers;
    if (key.shift) modifiers += " shift";
    if (key.ctrl) modifiers += " ctrl";
    if (key.alt) modifiers += " alt";
    log.push_back("key " + name(edit) + " " + std::to_string(key.code) + modifiers +
                  " text=" + model_.caption(edit));
    return onKey && onKey(edit, key.code);
}

void RecordingEvents::editEntered(ui::ControlId edit, FocusCause cause) {
    const char* how = cause == FocusCause::Mouse      ? " mouse"
                      : cause == FocusCause::Keyboard ? " keyboard"
                                                      : " other";
    entered.push_back(name(edit) + how);
}

void RecordingEvents::contextMenuOpening(ui::ControlId control) {
    log.push_back("contextMenu " + name(control));
}

void RecordingEvents::checkBoxReleased(ui::ControlId checkBox) {
    log.push_back("released " + name(checkBox) +
                  " checked=" + std::to_string(model_.checked(checkBox)));
}

void RecordingEvents::radioClicked(ui::ControlId radioGroup, int index) {
    log.push_back("radio " + name(radioGroup) + " " + std::to_string(index) +
                  " index=" + std::to_string(model_.itemIndex(radioGroup)));
}

void RecordingEvents::comboChanged(ui::ControlId comboBox, int index) {
    log.push_back("combo " + name(comboBox) + " " + std::to_string(index) +
                  " index=" + std::to_string(model_.itemIndex(comboBox)));
}

void RecordingEvents::clicked(ui::ControlId control) {
    log.push_back("click " + name(control));
}

void RecordingEvents::spinClicked(ui::ControlId spinButton, int direction) {
    log.push_back("spin " + name(spinButton) + " " + std::to_string(direction));
}

void RecordingEvents::pageChanged(ui::ControlId pageControl, int index) {
    log.push_back("page " + name(pageControl) + " " + std::to_string(index) +
                  " index=" + std::to_string(model_.itemIndex(pageControl)));
}

void RecordingEvents::trackBarChanged(ui::ControlId trackBar, int position) {
    log.push_back("track " + name(trackBar) + " " + std::to_string(position) +
                  " position=" + std::to_string(model_.at(trackBar).position));
}

void RecordingEvents::canvasMouse(ui::ControlId surface, const PointerEvent& event) {
    log.push_back("canvas " + model_.at(surface).name + " " + std::to_string(event.x) + "," +
                  std::to_string(event.y));
}

void RecordingEvents::mouseWheel(int delta, Modifiers modifiers) {
    log.push_back("wheel " + std::to_string(delta) + modifiersText(modifiers));
}

void RecordingEvents::hintChanged(std::string_view longHint) {
    log.push_back("hint " + std::string(longHint));
}

void RecordingEvents::panelClicked(ui::ControlId statusBar, int panel) {
    log.push_back("panel " + name(statusBar) + " " + std::to_string(panel));
}

void RecordingEvents::tick() {
    ++ticks;
    if (onTick) onTick();
}

bool RecordingEvents::closeRequested(bool canAsk) {
    log.push_back(canAsk ? "close?" : "close? unasked");
    return mayClose;
}

void RecordingEvents::closing() {
    ++closings;
}

BindingTest::BindingTest() : model(makeModel()) {}

BindingTest::~BindingTest() = default;

void BindingTest::bind() {
    binding = std::make_unique<ControlBinding>(model, events, window);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

}  // namespace tz::gui::test
