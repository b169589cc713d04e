// Printing pictures of the window, the about box and the manual.
#include <algorithm>
#include <filesystem>

#include "presenter/main_window.h"
#include "presenter/about_box.h"

namespace tz {

using texts::Msg;

namespace {
constexpr const char* kPrintedPages[] = {"TabSheet_Inputs", "TabSheetBike", "TabSheetAdvance",
                                         "TabSheetServo"};
}

void MainWindow::enterPrintLayout() {
    ShowMessageLine(messages_[Msg::MsgPrintDateTime] + services_.clock.shortDate() + "    " +
                        services_.clock.longTime(),
                    ui::Colour::White);
    controls_.setVisible(id("LabelSpojeni"), false);
    messageLine_.countdown = kMessageLineTicks;
    controls_.setVisible(id("CGaugeProgram"), false);
    // The header takes two lines where the hidden progress bar was.
    const ui::ControlId line = id("LabelHlaseni");
    ui::Rect bounds = controls_.at(line).bounds;
    bounds.height *= 2;
    controls_.setBounds(line, bounds);
    binding_.printLayout = true;
}

void MainWindow::leavePrintLayout() {
    binding_.printLayout = false;
    RefreshLayout();
    const ui::ControlId line = id("LabelHlaseni");
    controls_.setColour(line, ui::Colour::ButtonFace);
    ui::Rect bounds = controls_.at(line).bounds;
    bounds.height /= 2;
    controls_.setBounds(line, bounds);
}

bool MainWindow::printWindowImage() {
    if (const std::optional<std::string> error = services_.printer.printWindowImage()) {
        services_.dialogs.showMessage(*error);
        return false;
    }
    return true;
}

void MainWindow::PrintPage() {
    enterPrintLayout();
    controls_.requestFocus(id("BitBtnVerify"));
    RefreshLayout();
    printWindowImage();
    leavePrintLayout();
}

void MainWindow::PrintAllPages() {
    controls_.requestFocus(id("BitBtnVerify"));
    enterPrintLayout();
    const ui::ControlId pages = id("PageControl1");
    const int remembered = controls_.itemIndex(pages);
    for (const char* page : kPrintedPages) {
        for (const char* other : kPrintedPages) controls_.setTabVisible(id(other), other == page);
        const std::vector<ui::ControlId>& sheets = controls_.children(pages);
        const auto shown = std::find(sheets.begin(), sheets.end(), id(page)) - sheets.begin();
        controls_.setItemIndex(pages, static_cast<int>(shown));
        RefreshLayout();
        if (!printWindowImage()) break;
    }
    for (const char* page : kPrintedPages) controls_.setTabVisible(id(page), true);
    controls_.setItemIndex(pages, remembered);
    leavePrintLayout();
}

void MainWindow::OpenManual() {
    const std::string& file = messages_[Msg::MsgManualFile];
    for (const std::string& directory : services_.manualDirectories) {
        const std::filesystem::path path = std::filesystem::path(directory) / file;
        std::error_code ec;
        if (std::filesystem::is_regular_file(path, ec) &&
            services_.desktop.openDocument(path.string()))
            return;
    }
    services_.dialogs.showMessage(messages_[Msg::MsgManualOpenError]);
}

void MainWindow::MenuAboutClick() {
    services_.desktop.showAbout(aboutContent(language()));
}

}  // namespace tz
