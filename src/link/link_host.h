// What the link needs from the window that owns it. The window implements
// this interface; the command-line tool and tests implement it headless.
// The link never sees the window's controls, only these operations.
#pragma once

#include <string_view>

#include "controls/control.h"
#include "params/param_state.h"
#include "texts/messages.h"

namespace tz::link {

struct MonitorDisplay;

class LinkHost {
  public:
    virtual ~LinkHost() = default;

    // The parameter image, and the port choice in its outside settings
    // (port index 0..30, search index). The link reads and writes both.
    virtual ParamState& params() = 0;
    // The message catalogue in the current language.
    virtual const texts::MessageCatalogue& messages() const = 0;

    // Program and Verify first take the controls into the image,
    // normalise it and show it (ReadControls, NormaliseImage, ShowImage).
    // False while the binding is busy: the command then does nothing.
    virtual bool PrepareToSend() = 0;
    // NormaliseImage and ShowImage: after the info page of a programming
    // run and when a unit of another protocol version refused a transfer.
    virtual void NormaliseAndShow() = 0;
    // A read has put the unit's three pages into the image: NormaliseImage,
    // ShowImage and PushHistory (one undoable step, no automatic
    // programming).
    virtual void ImageWasRead() = 0;

    // The message line LabelHlaseni: text on a background colour (button
    // face for progress and success, red for errors), shown for 200 ticks.
    virtual void ShowMessageLine(std::string_view text, ui::Colour colour) = 0;
    // Replaces the text only; colour and countdown stay.
    virtual void SetMessageLineText(std::string_view text) = 0;
    // Countdown := 0; the next tick hides the line.
    virtual void ClearMessageLineCountdown() = 0;
    // The message line's step of the tick: while the countdown is above 0
    // it is lowered and the line stays shown (hidden while printing);
    // at 0 the line and the progress gauge are hidden. Returns false when
    // the countdown had run out.
    virtual bool TickMessageLine() = 0;
    // The progress gauge CGaugeProgram.
    virtual void SetProgress(int maximum, int position) = 0;
    virtual void ShowProgress() = 0;

    // A modal message box with an OK button.
    virtual void ShowMessageBox(std::string_view text) = 0;

    // The not-connected banner LabelSpojeni. The window keeps it hidden
    // while printing and hides LabelVersion while the banner is shown.
    virtual void SetNotConnectedBanner(bool notConnected) = 0;
    // LabelCom, e.g. "COM= /dev/ttyUSB0".
    virtual void ShowPortLabel(std::string_view text) = 0;
    // The port menu's check mark goes to item portIndex (0..30) alone. As
    // the last step of every opening the window also clears its print
    // layout flag.
    virtual void CheckPortMenu(int portIndex) = 0;

    // The texts, colours and bars of an accepted monitor frame. LabelTest1..8
    // stay hidden outside test mode; LabelPriveraPoz and LabelPriveraMer are
    // enabled exactly while GroupBoxPrivera is visible.
    virtual void ShowMonitor(const MonitorDisplay& display) = 0;
    // The running flag changed: the test buttons follow it.
    virtual void RefreshLayout() = 0;
};

}  // namespace tz::link
