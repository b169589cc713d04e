// A small window with one control of every kind, bound to Qt widgets, and a
// logic double that records every event with the model state it saw.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/control_model.h"
#include "gui/control_binding.h"
#include "presenter/ui_events.h"

namespace tz::gui::test {

ui::Control makeControl(ui::Kind kind, std::string name, ui::ControlId parent, ui::Rect bounds,
                        std::string caption = {});

// Records each event as one line such as "upDown UpDown1 1 text=11"; the
// part after the blank names the model state at the time of the call.
class RecordingEvents : public UiEvents {
  public:
    explicit RecordingEvents(ui::ControlModel& model) : model_(model) {}

    std::vector<std::string> log;
    // The focus coming to edit boxes, as "Edit1 mouse", kept apart from the
    // log.
    std::vector<std::string> entered;
    int ticks = 0;
    int closings = 0;
    // The answer to a request to close.
    bool mayClose = true;
    // What the logic does on a key (consumes nothing by default) and on a
    // tick.
    std::function<bool(ui::ControlId, int)> onKey;
    std::function<void()> onTick;

    void upDownClicked(ui::ControlId upDown, int direction) override;
    void editExited(ui::ControlId edit) override;
    bool keyPressed(ui::ControlId edit, const KeyPress& key) override;
    void editEntered(ui::ControlId edit, FocusCause cause) override;
    void checkBoxReleased(ui::ControlId checkBox) override;
    void radioClicked(ui::ControlId radioGroup, int index) override;
    void comboChanged(ui::ControlId comboBox, int index) override;
    void clicked(ui::ControlId control) override;
    void spinClicked(ui::ControlId spinButton, int direction) override;
    void pageChanged(ui::ControlId pageControl, int index) override;
    void trackBarChanged(ui::ControlId trackBar, int position) override;
    void mouseWheel(int delta, Modifiers modifiers) override;
    void canvasMouse(ui::ControlId surface, const PointerEvent& event) override;
    void contextMenuOpening(ui::ControlId control) override;
    void hintChanged(std::string_view longHint) override;
    void panelClicked(ui::ControlId statusBar, int panel) override;
    void tick() override;
    bool closeRequested(bool canAsk) override;
    void closing() override;

  private:
    const std::string& name(ui::ControlId id) const { return model_.at(id).name; }
    ui::ControlModel& model_;
};

// The model holds: window "Form" (client 500 x 400) with a menu bar (File:
// New Ctrl+N, separator, checkable Auto, hidden Ctrl+H item; Tools: Undo
// Ctrl+Z, Redo Ctrl+Alt+Z), group "Group" (hint) with "Label", "Edit1" + "UpDown1"
// (0..20), "Edit2", "Check" and the label "Amp"; "Radio" (A..E in two
// columns), "Combo", "Button", "Speed", "Spin", "Gauge", "Track", "Pages"
// (tabs Page0 with "PageLabel", Page1 with "PageButton", hidden Page2),
// "Bevel", "Canvas", "Panel" and the status bar "Status".
class BindingTest : public ::testing::Test {
  protected:
    BindingTest();
    ~BindingTest() override;

    // Binds the model (tests may add to it first), shows the window and
    // waits until it is active.
    void bind();
    ui::ControlId id(std::string_view name) const { return model.id(ui::ControlName{name}); }
    QWidget* widget(std::string_view name) const { return binding->widget(id(name)); }
    template <class W>
    W* widget(std::string_view name) const {
        return static_cast<W*>(widget(name));
    }

    ui::ControlModel model;
    RecordingEvents events{model};
    QMainWindow window;
    std::unique_ptr<ControlBinding> binding;
};

// The same, bound before each test.
class BoundTest : public BindingTest {
  protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(bind()); }
};

using Strings = std::vector<std::string>;

}  // namespace tz::gui::test
