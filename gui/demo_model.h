// A stand-in for the window's design and logic until the real ones are
// wired in: a window with a few controls of every kind and a logic that
// shows hints, moves on with Enter and closes on Exit.
#pragma once

#include "app/controls/control_model.h"
#include "app/services.h"
#include "app/ui_events.h"

namespace tz::gui {

ui::ControlModel demoModel(int screenWidth, int screenHeight);

class DemoLogic : public UiEvents {
  public:
    DemoLogic(ui::ControlModel& model, WindowHost& host) : model_(model), host_(host) {}

    void upDownClicked(ui::ControlId, int) override {}
    void editExited(ui::ControlId) override {}
    bool keyPressed(ui::ControlId edit, int key) override;
    void checkBoxReleased(ui::ControlId) override {}
    void radioClicked(ui::ControlId, int) override {}
    void comboChanged(ui::ControlId, int) override {}
    void clicked(ui::ControlId control) override;
    void spinClicked(ui::ControlId, int) override {}
    void pageChanged(ui::ControlId, int) override {}
    void trackBarChanged(ui::ControlId, int) override {}
    void mouseWheel(int, Modifiers) override {}
    void hintChanged(std::string_view longHint) override;
    void tick() override {}
    void closing() override {}

  private:
    ui::ControlModel& model_;
    WindowHost& host_;
};

}  // namespace tz::gui
