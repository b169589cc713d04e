// Where the session's live values come from: the unit through the link, or a
// log played in its place. The session ticks the current source only, so the
// other one is left alone meanwhile, and takes the monitor frames it brings.
#pragma once

#include <cstdint>

#include "link/monitor.h"
#include "params/image.h"
#include "session/session_events.h"

namespace tz::session {

class FrameSource {
  public:
    virtual ~FrameSource() = default;

    // One tick at `nowMs` of the steady clock: what the source brought, its
    // monitor frames among it, is appended to `events` in order. `image`
    // places the frames in the map for the time per map cell.
    virtual void tick(std::int64_t nowMs, const Image& image, Events& events) = 0;
    // The source becomes the current one: its present values are shown at
    // once, the layout following them, and the time per map cell starts
    // afresh from them.
    virtual void resume(const Image& image, Events& events) = 0;
    // The values of the last frame shown.
    virtual const link::LiveValues& live() const = 0;
};

}  // namespace tz::session
