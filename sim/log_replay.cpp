#include "sim/log_replay.h"

#include "logs/log_player.h"

namespace tz::sim {

void ApplyLiveRow(const logs::LiveLog& log, const logs::LiveRow& row, MonitorFields& fields) {
    const std::span<const link::MonitorField> logged = link::LoggedFields();
    for (std::size_t c = 0; c < logged.size(); ++c)
        if (logged[c].inFrame() && log.has(static_cast<logs::LiveColumn>(c)))
            fields.set(logged[c], link::FrameValueOf(logged[c], row.values));
}

void ApplyReplay(const logs::LiveLog& log, bool loop, std::int64_t nowMs, MonitorFields& fields) {
    if (log.rows.empty()) return;
    ApplyLiveRow(log, log.rows[logs::RowIndexAt(log, nowMs, loop)], fields);
}

}  // namespace tz::sim
