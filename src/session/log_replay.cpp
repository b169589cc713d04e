#include "session/log_replay.h"

#include <utility>
#include <vector>

namespace tz::session {

namespace {

// A log carries no servo position flag: the servo shows as in position, not
// as a fault.
logs::LiveLog completed(logs::LiveLog log) {
    const bool protocol = log.has(logs::LiveColumn::Protocol);
    for (logs::LiveRow& row : log.rows) {
        row.values.servoInPosition = true;
        if (protocol) continue;
        row.values.protocolVersion = kProtocolVersion;
        row.values.versionState = link::VersionState::Match;
    }
    return log;
}

}  // namespace

LogReplay::LogReplay(logs::LiveLog log, std::int64_t nowMs, CellTimer& cells)
    : player_(completed(std::move(log))), cells_(cells), clockMs_(nowMs) {}

void LogReplay::resume(const Image& image, Events& events) {
    const logs::LiveRow& row = player_.log().rows[player_.currentIndex()];
    cells_.interrupt();
    cells_.frame(row.timeMs, row.values, image);
    // Whatever was shown before, the layout follows the log from here.
    runningShown_ = !row.values.running;
    show(player_.currentIndex(), events);
}

void LogReplay::show(std::size_t index, Events& events) {
    index_ = index;
    shown_ = player_.log().rows[index].values;
    const bool runningChanged = shown_.running != runningShown_;
    runningShown_ = shown_.running;
    events.emplace_back(link::MonitorFrame{shown_, runningChanged});
}

void LogReplay::reach(std::size_t index, bool wrapped, const Image& image, Events& events) {
    const std::vector<logs::LiveRow>& rows = player_.log().rows;
    const auto feed = [&](std::size_t i) { cells_.frame(rows[i].timeMs, rows[i].values, image); };
    if (wrapped) {
        for (std::size_t i = index_ + 1; i < rows.size(); ++i) feed(i);
        // The last row lasts until the pass ends; the next starts afresh.
        cells_.frame(rows.front().timeMs + logs::LoopLengthMs(player_.log()), rows.front().values,
                     image);
        cells_.interrupt();
        feed(0);
        for (std::size_t i = 1; i <= index; ++i) feed(i);
    } else {
        for (std::size_t i = index_ + 1; i <= index; ++i) feed(i);
    }
    if (wrapped || index != index_) show(index, events);
}

void LogReplay::tick(std::int64_t nowMs, const Image& image, Events& events) {
    const std::int64_t elapsed = nowMs - clockMs_;
    clockMs_ = nowMs;
    if (!player_.playing()) return;
    const std::int64_t before = player_.positionMs();
    player_.advance(elapsed);
    reach(player_.currentIndex(), player_.positionMs() < before, image, events);
}

void LogReplay::play(std::int64_t nowMs, const Image& image, Events& events) {
    clockMs_ = nowMs;
    const bool restart = player_.atEnd();
    player_.play();
    if (restart) seek(0, image, events);
}

void LogReplay::seek(std::int64_t positionMs, const Image& image, Events& events) {
    player_.seek(positionMs);
    const std::size_t index = player_.currentIndex();
    const logs::LiveRow& row = player_.log().rows[index];
    cells_.interrupt();
    cells_.frame(row.timeMs, row.values, image);
    if (index != index_) show(index, events);
}

}  // namespace tz::session
