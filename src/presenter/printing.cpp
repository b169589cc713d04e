#include "presenter/printing.h"

#include <algorithm>
#include <filesystem>

#include "design/control_names.h"
#include "presenter/about_box.h"

namespace tz::presenter {

using texts::Msg;

namespace {

constexpr ui::ControlName kPrintedPages[] = {ctl::TabSheet_Inputs, ctl::TabSheetBike,
                                             ctl::TabSheetAdvance, ctl::TabSheetServo};

}  // namespace

Printing::Printing(ui::ControlModel& controls, Services services, MessageLine& messageLine,
                   LayoutRules& layout, WindowMode& mode, const Captions& captions)
    : controls_(controls),
      services_(services),
      messageLine_(messageLine),
      layout_(layout),
      mode_(mode),
      captions_(captions) {}

void Printing::enterPrintLayout() {
    messageLine_.show(captions_.messages()[Msg::MsgPrintDateTime] + services_.clock.shortDate() +
                          "    " + services_.clock.longTime(),
                      ui::Colour::White);
    controls_.setVisible(controls_.id(ctl::LabelSpojeni), false);
    controls_.setVisible(controls_.id(ctl::CGaugeProgram), false);
    // The header takes two lines where the hidden progress bar was.
    const ui::ControlId line = controls_.id(ctl::LabelHlaseni);
    ui::Rect bounds = controls_.at(line).bounds;
    bounds.height *= 2;
    controls_.setBounds(line, bounds);
    mode_.printLayout = true;
}

void Printing::leavePrintLayout() {
    mode_.printLayout = false;
    layout_.refresh();
    const ui::ControlId line = controls_.id(ctl::LabelHlaseni);
    controls_.setColour(line, ui::Colour::ButtonFace);
    ui::Rect bounds = controls_.at(line).bounds;
    bounds.height /= 2;
    controls_.setBounds(line, bounds);
}

bool Printing::printWindowImage() {
    if (const std::optional<std::string> error = services_.printer.printWindowImage()) {
        services_.dialogs.showMessage(*error);
        return false;
    }
    return true;
}

void Printing::printPage() {
    enterPrintLayout();
    controls_.requestFocus(controls_.id(ctl::BitBtnVerify));
    layout_.refresh();
    printWindowImage();
    leavePrintLayout();
}

void Printing::printAllPages() {
    controls_.requestFocus(controls_.id(ctl::BitBtnVerify));
    enterPrintLayout();
    const ui::ControlId pages = controls_.id(ctl::PageControl1);
    const int remembered = controls_.itemIndex(pages);
    for (ui::ControlName page : kPrintedPages) {
        const ui::ControlId sheet = controls_.id(page);
        for (ui::ControlName other : kPrintedPages)
            controls_.setTabVisible(controls_.id(other), controls_.id(other) == sheet);
        const std::vector<ui::ControlId>& sheets = controls_.children(pages);
        const auto shown = std::find(sheets.begin(), sheets.end(), sheet) - sheets.begin();
        controls_.setItemIndex(pages, static_cast<int>(shown));
        layout_.refresh();
        if (!printWindowImage()) break;
    }
    for (ui::ControlName page : kPrintedPages) controls_.setTabVisible(controls_.id(page), true);
    controls_.setItemIndex(pages, remembered);
    leavePrintLayout();
}

void Printing::openManual() {
    const std::string& file = captions_.messages()[Msg::MsgManualFile];
    for (const std::string& directory : services_.manualDirectories) {
        const std::filesystem::path path = std::filesystem::path(directory) / file;
        std::error_code ec;
        if (!std::filesystem::is_regular_file(path, ec)) continue;
        // The manual is there; when no viewer starts, saying it is missing
        // would send the user looking for the wrong thing.
        if (!services_.desktop.openDocument(path.string()))
            services_.dialogs.showMessage(captions_.messages()[Msg::MsgNoDocumentViewer] +
                                          path.string());
        return;
    }
    services_.dialogs.showMessage(captions_.messages()[Msg::MsgManualOpenError]);
}

void Printing::showAbout() {
    services_.desktop.showAbout(aboutContent(captions_.language()));
}

}  // namespace tz::presenter
