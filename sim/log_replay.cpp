#include "sim/log_replay.h"

#include <algorithm>

#include "logs/log_player.h"

namespace tz::sim {

namespace {

using link::LiveValues;
using logs::LiveColumn;

constexpr int kMaxReading = 1023;
constexpr int kFullScaleMv = 5000;

// Which monitor field carries a column, and how its value travels.
struct ColumnField {
    LiveColumn column;
    const char* field;
    int (*value)(const LiveValues&);
};

// clang-format off
const ColumnField kColumnFields[] = {
    {LiveColumn::Rpm, "rpm", [](const LiveValues& v) { return int{v.rpm}; }},
    {LiveColumn::Tps, "tps", [](const LiveValues& v) { return int{v.throttlePercent}; }},
    {LiveColumn::ThrottleMv, "tps-raw",
     [](const LiveValues& v) { return ConverterReading(v.throttleMv); }},
    {LiveColumn::SupplyMv, "supply", [](const LiveValues& v) { return int{v.supplyMv}; }},
    {LiveColumn::Advance1, "advance1", [](const LiveValues& v) { return v.advance[0]; }},
    {LiveColumn::Advance2, "advance2", [](const LiveValues& v) { return v.advance[1]; }},
    {LiveColumn::MaxAdvance1, "max-advance1", [](const LiveValues& v) { return int{v.maxAdvance[0]}; }},
    {LiveColumn::MaxAdvance2, "max-advance2", [](const LiveValues& v) { return int{v.maxAdvance[1]}; }},
    {LiveColumn::ServoDesiredMv, "servo-desired",
     [](const LiveValues& v) { return ConverterReading(v.servoDesiredMv); }},
    {LiveColumn::ServoMeasuredMv, "servo-measured",
     [](const LiveValues& v) { return ConverterReading(v.servoMeasuredMv); }},
    {LiveColumn::Pickup1, "pickup1", [](const LiveValues& v) { return int{v.pickupSignal[0]}; }},
    {LiveColumn::Pickup2, "pickup2", [](const LiveValues& v) { return int{v.pickupSignal[1]}; }},
    {LiveColumn::PowerOut1, "pout1", [](const LiveValues& v) { return int{v.powerOut[0]}; }},
    {LiveColumn::PowerOut2, "pout2", [](const LiveValues& v) { return int{v.powerOut[1]}; }},
    {LiveColumn::PowerOut3, "pout3", [](const LiveValues& v) { return int{v.powerOut[2]}; }},
    {LiveColumn::Input1, "input1", [](const LiveValues& v) { return int{v.inputGrounded[0]}; }},
    {LiveColumn::Input2, "input2", [](const LiveValues& v) { return int{v.inputGrounded[1]}; }},
    {LiveColumn::Errors, "errors", [](const LiveValues& v) { return int{v.errorBits}; }},
    {LiveColumn::Saving, "saving", [](const LiveValues& v) { return int{v.savingCountdown}; }},
    {LiveColumn::ProgramCount, "program-count", [](const LiveValues& v) { return int{v.programCount}; }},
    {LiveColumn::Protocol, "protocol", [](const LiveValues& v) { return int{v.protocolVersion}; }},
};
// clang-format on

}  // namespace

int ConverterReading(int millivolts) {
    // The link computes reading * 5000 / 1023 rounded down; the smallest
    // reading that reaches the value gives it back exactly.
    const int reading = (std::max(millivolts, 0) * kMaxReading + kFullScaleMv - 1) / kFullScaleMv;
    return std::min(reading, kMaxReading);
}

void ApplyLiveRow(const logs::LiveLog& log, const logs::LiveRow& row, MonitorFields& fields) {
    for (const ColumnField& c : kColumnFields)
        if (log.has(c.column)) fields.set(c.field, c.value(row.values));
}

void ApplyReplay(const logs::LiveLog& log, bool loop, std::int64_t nowMs, MonitorFields& fields) {
    if (log.rows.empty()) return;
    ApplyLiveRow(log, log.rows[logs::RowIndexAt(log, nowMs, loop)], fields);
}

}  // namespace tz::sim
