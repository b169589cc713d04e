// The Bike page's picture of the trigger wheel, drawn again whenever the
// settings or the language it shows change.
#pragma once

#include <optional>

#include "controls/control_model.h"
#include "params/image.h"
#include "presenter/captions.h"
#include "presenter/services.h"
#include "session/session.h"

namespace tz::presenter {

class WheelView {
  public:
    WheelView(const ui::ControlModel& controls, const session::Session& session, Surfaces& surfaces,
              const Captions& captions)
        : controls_(controls), session_(session), surfaces_(surfaces), captions_(captions) {}

    // Draws the wheel unless it shows the image and language already; every
    // tick.
    void refresh();

  private:
    const ui::ControlModel& controls_;
    const session::Session& session_;
    Surfaces& surfaces_;
    const Captions& captions_;
    std::optional<Image> drawn_;
    texts::Language language_ = texts::Language::English;
};

}  // namespace tz::presenter
