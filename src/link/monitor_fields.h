// The values of a monitor frame described once: where each travels in the
// frame, how it becomes a live value, its name and unit in live-data logs
// and the monitor's JSON, and the name the simulated unit sets it by. The
// decoder, the simulator, the logs, the plots and the command-line program
// all read this table, so they cannot disagree.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "link/frame.h"
#include "link/monitor.h"

namespace tz::link {

// How a frame value becomes a live value.
enum class FieldScale : std::uint8_t {
    Raw,         // as it travels, less the bias
    Millivolts,  // a converter reading 0..1023 of a 0..5 V input
};

struct MonitorField {
    // The column of live-data logs and the key of the monitor's JSON
    // ("throttle_mv"); empty for a value neither carries.
    std::string_view name;
    // The simulated unit's name of the frame value ("tps-raw"); empty for a
    // value the frame does not carry (it is computed from others).
    std::string_view frameName;
    std::string_view unit;  // "rpm", "%", "mV", "°"; empty for flags and counts
    int offset = 0;         // byte of the monitor frame
    int width = 1;          // 1 or 2 bytes, little-endian
    int bias = 0;           // added before sending (advances travel as degrees + 100)
    FieldScale scale = FieldScale::Raw;
    bool flag = false;  // 0 or 1; true or false in the JSON unless a list item
    // The JSON list the value is an item of ("power_out"); empty: a key of its own.
    std::string_view jsonList;
    int min = 0;  // the live values a log may give it
    int max = 0;
    int (*get)(const LiveValues&) = nullptr;
    void (*set)(LiveValues&, int) = nullptr;

    bool inFrame() const { return !frameName.empty(); }
};

// The values of logs and of the JSON, in their column order.
inline constexpr std::size_t kLoggedFieldCount = 22;
std::span<const MonitorField> LoggedFields();
// Every value: the logged ones first, then those only the frame carries.
std::span<const MonitorField> AllMonitorFields();
// The field the simulated unit calls `frameName`; nothing for an unknown name.
const MonitorField* FindFrameField(std::string_view frameName);

// The live value the frame carries for an inFrame() field.
int DecodeField(const MonitorField& field, FrameView frame);

// The smallest converter reading that decodes to `millivolts` (0..1023).
int ConverterReading(int millivolts);

// The value as it travels in the frame (before the bias): a reading for
// millivolts.
int FrameValueOf(const MonitorField& field, const LiveValues& values);

}  // namespace tz::link
