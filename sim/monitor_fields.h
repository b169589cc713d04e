// The values the simulated unit reports in its monitor frames, addressed by
// name, so that options, scripts and the engine can set any of them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "link/frame.h"

namespace tz::sim {

struct FieldInfo {
    std::string_view name;
    int offset;  // byte of the monitor frame
    int width;   // 1 or 2 bytes, little-endian
    int bias;    // added before storing (advances travel as degrees + 100)
};

// Every named field, in frame order.
const std::vector<FieldInfo>& MonitorFieldTable();
const FieldInfo* FindMonitorField(std::string_view name);

class MonitorFields {
  public:
    // An engine at rest: 13.8 V, throttle closed, servo in position.
    MonitorFields();

    void set(const FieldInfo& field, int value);
    // False when there is no field of that name.
    bool set(std::string_view name, int value);
    int get(std::string_view name) const;

    // The monitor frame with these values and its check byte.
    link::Frame frame() const;

  private:
    link::Frame bytes_{};
};

}  // namespace tz::sim
