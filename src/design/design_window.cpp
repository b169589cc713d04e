#include "design/window_design.h"

#include <array>
#include <string_view>

#include "design/design_parts.h"

namespace tz::design {
namespace {

using ui::Control;
using ui::ControlId;
using ui::Kind;

struct Page {
    std::string_view name;
    std::string_view caption;
    void (*build)(const Builder&);
};

// The pages in tab order; the Power Out page is filled at run time.
constexpr std::array<Page, 7> kPages{{
    {"TabSheet_Inputs", "Inputs", buildInputsPage},
    {"TabSheetBike", "Bike", buildBikePage},
    {"TabSheetAdvance", "Advance Map", buildAdvancePage},
    {"TabSheetServo", "Servo", buildServoPage},
    {"TabSheetPowerOut", "Power Out", nullptr},
    {"TabSheet_Ladeni", "Test", buildTestPage},
    {"TabSheetLog", "Log", buildLogPage},
}};

void buildPages(const Builder& window) {
    Control pageControl = control(Kind::PageControl, "PageControl1", {4, 48, 653, 497});
    pageControl.itemIndex = 0;
    const Builder pages = window.into(window.add(std::move(pageControl)));
    for (const Page& page : kPages) {
        const ControlId sheet = pages.add(
            control(Kind::TabSheet, page.name, {4, 24, kPageWidth, kPageHeight}, page.caption));
        if (page.build != nullptr) page.build(pages.into(sheet));
    }
}

void buildStatusBar(const Builder& window) {
    constexpr int kHeight = 18;
    Control bar =
        control(Kind::StatusBar, "StatusBar1", {0, kClientHeight - kHeight, kClientWidth, kHeight});
    // Panel 5 tells of a live-data recording, the last one (kUnitStatePanel)
    // whether the unit holds the window's settings.
    bar.items = {"", "EXE", "exe", "HEX", "hex", "", ""};
    bar.panelWidths = {150, 30, 260, 30, 180, 140, 190};
    bar.panelAlignments = {ui::Align::Left, ui::Align::Right, ui::Align::Left, ui::Align::Right,
                           ui::Align::Left, ui::Align::Left,  ui::Align::Left};
    window.add(std::move(bar));
}

}  // namespace

void buildWindowDesign(ui::ControlModel& model) {
    const ControlId form = model.add(
        control(Kind::Window, "TFormHlav", {0, 0, kWindowWidth, kWindowHeight}, "  TZ_ARKO5"));
    buildMainMenu(model);

    const Builder window(model, form);
    buildToolbar(window);
    buildPages(window);
    buildMapCellsMenu(model);
    buildLiveValues(window);
    buildReplayBar(window);
    buildStatusBar(window);
}

}  // namespace tz::design
