#include "sim/monitor_fields.h"

namespace tz::sim {

MonitorFields::MonitorFields() {
    bytes_[0] = link::kMonitorKind;
    set("supply", 13800);
    set("tps-raw", 102);
    set("advance1", 0);
    set("advance2", 0);
    set("servo-in-position", 1);
    set("protocol", kProtocolVersion);
}

void MonitorFields::set(const link::MonitorField& field, int value) {
    const int stored = value + field.bias;
    bytes_[static_cast<std::size_t>(field.offset)] = static_cast<std::uint8_t>(stored & 0xFF);
    if (field.width == 2)
        bytes_[static_cast<std::size_t>(field.offset + 1)] =
            static_cast<std::uint8_t>((stored >> 8) & 0xFF);
}

bool MonitorFields::set(std::string_view name, int value) {
    const link::MonitorField* field = link::FindFrameField(name);
    if (field == nullptr) return false;
    set(*field, value);
    return true;
}

int MonitorFields::get(std::string_view name) const {
    const link::MonitorField* field = link::FindFrameField(name);
    if (field == nullptr) return 0;
    const auto at = static_cast<std::size_t>(field->offset);
    int value = bytes_[at];
    if (field->width == 2) value |= bytes_[at + 1] << 8;
    return value - field->bias;
}

link::Frame MonitorFields::frame() const {
    link::Frame f = bytes_;
    link::Seal(f);
    return f;
}

}  // namespace tz::sim
