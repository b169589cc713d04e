// A recorded live-data log played back as the unit's monitor values: each
// row at its time, the first row at the unit's start. Columns the log lacks
// keep the values the unit has without it.
#pragma once

#include <cstdint>

#include "logs/live_csv.h"
#include "sim/monitor_fields.h"

namespace tz::sim {

// Sets the monitor fields of every column the log has from one row of it.
// running has no field: the link derives it from the pick-ups and errors.
void ApplyLiveRow(const logs::LiveLog& log, const logs::LiveRow& row, MonitorFields& fields);

// Applies the row due `nowMs` after the start; with `loop` the log starts
// over after its last row.
void ApplyReplay(const logs::LiveLog& log, bool loop, std::int64_t nowMs, MonitorFields& fields);

}  // namespace tz::sim
