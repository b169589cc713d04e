// Puts a test's starting image into a session as it is, unrepaired and not
// recorded, the way a saved-image file is loaded at start-up.
#pragma once

#include "params/saved_image.h"
#include "session/session.h"

namespace tz::testing {

inline void putImage(session::Session& session, const Image& image) {
    session.loadSavedImage(formatSavedImage(image));
}

// The session's image with the change made by `change(Image&)`.
template <typename Change>
void changeImage(session::Session& session, Change change) {
    Image image = session.image();
    change(image);
    putImage(session, image);
}

// The session's port choice, as the saved settings give it.
inline void setPortIndex(session::Session& session, std::uint8_t index) {
    OutsideSettings outside = session.params().outside;
    outside.portIndex = index;
    session.setOutsideSettings(outside);
}

}  // namespace tz::testing
