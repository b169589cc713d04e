// The texts of the current language in the window: the caption fill, the
// message fill with its catalogue, and the window's title.
#pragma once

#include <cstdint>
#include <functional>

#include "controls/control_model.h"
#include "presenter/services.h"
#include "session/session.h"
#include "texts/language.h"
#include "texts/messages.h"

namespace tz::presenter {

class Captions {
  public:
    // `cellsSelected` tells whether map cells are selected ("Sel" instead of
    // "All").
    Captions(ui::ControlModel& controls, session::Session& session, WindowHost& host,
             std::function<bool()> cellsSelected);

    // Switches the language (kept with the session's outside settings): the
    // toolkit's own texts, both fills.
    void setLanguage(std::uint8_t language);
    std::uint8_t language() const { return session_.params().outside.language; }
    // The same as a language of the texts (English for an index out of range).
    texts::Language textLanguage() const;

    void fillCaptions();
    void fillMessages();
    // "  TZ_ARKO5        " and the current file.
    void updateWindowTitle();

    const texts::MessageCatalogue& messages() const { return messages_; }

  private:
    ui::ControlModel& controls_;
    session::Session& session_;
    WindowHost& host_;
    std::function<bool()> cellsSelected_;
    texts::MessageCatalogue messages_;
};

}  // namespace tz::presenter
