// The live monitor as the window shows it: the texts and colours of the live
// labels and bars from each monitor frame, the live cell marked on the map
// and the servo curve, the not-connected banner and the unit's line in the
// status bar.
#pragma once

#include <array>
#include <string>

#include "controls/control_model.h"
#include "design/window_index.h"
#include "link/live_cell.h"
#include "link/monitor.h"
#include "presenter/window_mode.h"
#include "session/session.h"
#include "texts/language.h"
#include "texts/messages.h"

namespace tz::presenter {

class MonitorView {
  public:
    MonitorView(ui::ControlModel& controls, const design::WindowIndex& index,
                const session::Session& session, const WindowMode& mode,
                const texts::MessageCatalogue& messages);

    // An accepted monitor frame: every live label, both bars, the unit line.
    void showFrame(const link::LiveValues& live);
    // Marks the live cell, its breakpoints and the live servo point; the
    // colours are written again only when the cell moved.
    void highlightLiveCell();
    // The unit was lost: the live labels show the not-connected placeholders
    // on their normal colours, the bars stand at 0, the unit line says "not
    // connected" (the live cell follows from the cleared live values).
    void connectionLost(texts::Language lang);
    // The colour of each map cell (10 * row + column) while the live cell is
    // elsewhere: the window's colour, or a shading. Shown at once.
    void setCellColours(const std::array<ui::Colour, kMapRows * kMapColumns>& colours);
    // The not-connected banner as the watchdog says; hides the version
    // warning while the unit is away.
    void showConnection(bool answering);
    // Status panel 4: the unit's name, date and time, the version mismatch or
    // "not connected".
    void showUnitLine();

    // The cell marked last.
    const link::LiveCell& liveCell() const { return liveCell_; }

  private:
    void label(ui::ControlName name, const std::string& text, ui::Colour colour);
    const std::string& text(texts::Msg id) const { return messages_[id]; }
    void speedAndSupply(const link::LiveValues& v);
    void advances(const link::LiveValues& v);
    void pickups(const link::LiveValues& v);
    void throttleAndServo(const link::LiveValues& v);
    void unitState(const link::LiveValues& v);
    void inputsAndSwitches(const link::LiveValues& v);
    void powerOutputs(const link::LiveValues& v);

    ui::ControlModel& controls_;
    const design::WindowIndex& index_;
    const session::Session& session_;
    const WindowMode& mode_;
    const texts::MessageCatalogue& messages_;
    link::LiveCell liveCell_;
    bool liveCellShown_ = false;
    std::array<ui::Colour, kMapRows * kMapColumns> cellColours_;
    std::string unitLine_;
};

}  // namespace tz::presenter
