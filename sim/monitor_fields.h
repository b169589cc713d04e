// The values the simulated unit reports in its monitor frames, addressed by
// their frame names (link/monitor_fields.h), so that options, scripts and
// the engine can set any of them.
#pragma once

#include <string_view>

#include "link/frame.h"
#include "link/monitor_fields.h"

namespace tz::sim {

class MonitorFields {
  public:
    // An engine at rest: 13.8 V, throttle closed, servo in position.
    MonitorFields();

    // `value` as it travels, before the field's bias.
    void set(const link::MonitorField& field, int value);
    // False when there is no field of that name.
    bool set(std::string_view name, int value);
    int get(std::string_view name) const;

    // The monitor frame with these values and its check byte.
    link::Frame frame() const;

  private:
    link::Frame bytes_{};
};

}  // namespace tz::sim
