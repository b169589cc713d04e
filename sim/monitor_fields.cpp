#include "sim/monitor_fields.h"

namespace tz::sim {

const std::vector<FieldInfo>& MonitorFieldTable() {
    static const std::vector<FieldInfo> table = {
        {"rpm", 1, 2, 0},
        {"tps-raw", 3, 2, 0},
        {"supply", 5, 2, 0},
        {"servo-measured", 7, 2, 0},
        {"servo-desired", 9, 2, 0},
        {"program-count", 11, 2, 0},
        {"test1", 13, 2, 0},
        {"test2", 15, 2, 0},
        {"test3", 17, 2, 0},
        {"test4", 19, 2, 0},
        {"test5", 21, 2, 0},
        {"test6", 23, 2, 0},
        {"test7", 25, 2, 0},
        {"test8", 27, 2, 0},
        {"kill-switch", 37, 1, 0},
        {"retard", 38, 1, 0},
        {"start-limiter", 39, 1, 0},
        {"clutch-master", 40, 1, 0},
        {"tps", 41, 1, 0},
        {"pout2", 42, 1, 0},
        {"pout1", 43, 1, 0},
        {"pickup1", 48, 1, 0},
        {"pickup2", 49, 1, 0},
        {"advance1", 50, 1, 100},
        {"advance2", 51, 1, 100},
        {"max-advance1", 54, 2, 0},
        {"max-advance2", 56, 2, 0},
        {"speed-alarm", 62, 1, 0},
        {"motor-off", 63, 1, 0},
        {"speed-warning", 64, 1, 0},
        {"servo-in-position", 65, 1, 0},
        {"input1", 66, 1, 0},
        {"input2", 67, 1, 0},
        {"pout3", 68, 1, 0},
        {"pickup1-negative", 69, 1, 0},
        {"pickup2-negative", 70, 1, 0},
        {"errors", 71, 1, 0},
        {"saving", 95, 2, 0},
        {"data-error", 99, 1, 0},
        {"protocol", 100, 1, 0},
    };
    return table;
}

const FieldInfo* FindMonitorField(std::string_view name) {
    for (const FieldInfo& f : MonitorFieldTable())
        if (f.name == name) return &f;
    return nullptr;
}

MonitorFields::MonitorFields() {
    bytes_[0] = link::kMonitorKind;
    set("supply", 13800);
    set("tps-raw", 102);
    set("advance1", 0);
    set("advance2", 0);
    set("servo-in-position", 1);
    set("protocol", kProtocolVersion);
}

void MonitorFields::set(const FieldInfo& field, int value) {
    const int stored = value + field.bias;
    bytes_[static_cast<std::size_t>(field.offset)] = static_cast<std::uint8_t>(stored & 0xFF);
    if (field.width == 2)
        bytes_[static_cast<std::size_t>(field.offset + 1)] =
            static_cast<std::uint8_t>((stored >> 8) & 0xFF);
}

bool MonitorFields::set(std::string_view name, int value) {
    const FieldInfo* field = FindMonitorField(name);
    if (field == nullptr) return false;
    set(*field, value);
    return true;
}

int MonitorFields::get(std::string_view name) const {
    const FieldInfo* field = FindMonitorField(name);
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
