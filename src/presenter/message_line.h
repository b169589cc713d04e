// The message line and the progress gauge under it: progress and results of
// the last operation, shown for 200 ticks after they were last written.
#pragma once

#include <string_view>

#include "controls/control_model.h"
#include "presenter/window_mode.h"

namespace tz::presenter {

class MessageLine {
  public:
    static constexpr int kShownTicks = 200;

    MessageLine(ui::ControlModel& controls, const WindowMode& mode);

    // Text on a background colour, shown anew for 200 ticks.
    void show(std::string_view text, ui::Colour colour);
    // Replaces the text only; colour and countdown stay.
    void setText(std::string_view text);
    // The next tick hides the line.
    void expire() { countdown_ = 0; }
    // While the countdown runs the line stays shown (hidden while printing);
    // when it has run out, the line and the gauge are hidden.
    void tick();
    // Hides line and gauge now; a running countdown shows them again.
    void hide();

    void setProgress(int maximum, int position);
    void showProgress();

    const std::string& text() const;
    bool isError() const;
    int countdown() const { return countdown_; }

  private:
    ui::ControlModel& controls_;
    const WindowMode& mode_;
    ui::ControlId line_;
    ui::ControlId gauge_;
    int countdown_ = 0;
};

}  // namespace tz::presenter
