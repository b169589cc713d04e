// The parts of the window's design, one per area of the window, called in
// this order by buildWindowDesign.
#pragma once

#include "design/design_builder.h"

namespace tz::design {

// The size of every tab sheet's client area.
inline constexpr int kPageWidth = 645;
inline constexpr int kPageHeight = 469;

// The menu bar and its submenus.
void buildMainMenu(ui::ControlModel& model);
// The context menu of the advance map's cells, a popup menu that every cell
// edit box names; after the pages.
void buildMapCellsMenu(ui::ControlModel& model);
// The toolbar group box and its buttons, on the window.
void buildToolbar(const Builder& window);
// Pages of the page control, each given a builder on its tab sheet.
void buildInputsPage(const Builder& page);
void buildBikePage(const Builder& page);
void buildAdvancePage(const Builder& page);
void buildServoPage(const Builder& page);
void buildTestPage(const Builder& page);
// The Log page: the replayed log's time plot, one check box per channel of
// a live-data log ("CheckBoxLogChannel1".."22", in the log's column order)
// and the histogram.
inline constexpr int kLogChannelBoxes = 22;
void buildLogPage(const Builder& page);
// The banner, the live values around the pages, the message line and the
// test row, on the window.
void buildLiveValues(const Builder& window);
// The controls of a replayed live-data log, on the window.
void buildReplayBar(const Builder& window);

}  // namespace tz::design
