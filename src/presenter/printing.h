// Printing pictures of the window, the about box and the manual.
#pragma once

#include "controls/control_model.h"
#include "presenter/captions.h"
#include "presenter/layout_rules.h"
#include "presenter/message_line.h"
#include "presenter/services.h"
#include "presenter/window_mode.h"

namespace tz::presenter {

class Printing {
  public:
    struct Services {
        Printer& printer;
        Dialogs& dialogs;
        Clock& clock;
        Desktop& desktop;
        // Where the manuals are looked for, in this order.
        const std::vector<std::string>& manualDirectories;
    };

    Printing(ui::ControlModel& controls, Services services, MessageLine& messageLine,
             LayoutRules& layout, WindowMode& mode, const Captions& captions);

    // The page shown, in the print layout.
    void printPage();
    // The Inputs, Bike, Advance Map and Servo pages, one print job each.
    void printAllPages();
    void openManual();
    void showAbout();

  private:
    void enterPrintLayout();
    void leavePrintLayout();
    bool printWindowImage();

    ui::ControlModel& controls_;
    Services services_;
    MessageLine& messageLine_;
    LayoutRules& layout_;
    WindowMode& mode_;
    const Captions& captions_;
};

}  // namespace tz::presenter
