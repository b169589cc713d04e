#include "session/live_logs.h"

namespace tz::session {

void CellTimer::frame(std::int64_t timeMs, const link::LiveValues& live, const Image& image) {
    if (hasLast_) {
        const std::int64_t gap = timeMs - lastMs_;
        if (gap <= kMaxGapMs) sums_.add(last_, image, image[field::TPS_MAPA] != 0, gap);
    }
    hasLast_ = true;
    lastMs_ = timeMs;
    last_ = live;
}

// ---- Recording

std::error_code LiveLogs::startRecording(std::unique_ptr<logs::LogSink> sink, std::int64_t nowMs,
                                         logs::LiveCsvForm form, std::string startTime) {
    recording_.emplace(
        Recording{logs::LogWriter(std::move(sink), form, std::move(startTime)), nowMs});
    const std::error_code error = recording_->writer.failure();
    if (error) recording_.reset();
    return error;
}

void LiveLogs::unitFrame(std::int64_t nowMs, const link::LiveValues& live, const Image& image,
                         Events& events) {
    timer_.frame(nowMs, live, image);
    if (!recording_ || recording_->writer.append(nowMs, live)) return;
    events.emplace_back(RecordingFailed{recording_->writer.failure(), recording_->writer.rows()});
    recording_.reset();
}

// ---- Replay

void LiveLogs::startReplay(logs::LiveLog log, std::int64_t nowMs, const Image& image,
                           Events& events) {
    // A log carries no servo position flag: the servo shows as in position,
    // not as a fault.
    const bool protocol = log.has(logs::LiveColumn::Protocol);
    for (logs::LiveRow& row : log.rows) {
        row.values.servoInPosition = true;
        if (protocol) continue;
        row.values.protocolVersion = kProtocolVersion;
        row.values.versionState = link::VersionState::Match;
    }
    replay_.emplace(Replay{logs::LogPlayer(std::move(log)), nowMs, 0, {}, false});
    timer_.interrupt();
    const logs::LiveRow& first = replay_->player.log().rows.front();
    timer_.frame(first.timeMs, first.values, image);
    // Whatever was shown before, the layout follows the log from here.
    replay_->runningShown = !first.values.running;
    show(0, events);
}

void LiveLogs::stopReplay() {
    replay_.reset();
    timer_.interrupt();
}

void LiveLogs::show(std::size_t index, Events& events) {
    Replay& r = *replay_;
    r.index = index;
    r.shown = r.player.log().rows[index].values;
    const bool runningChanged = r.shown.running != r.runningShown;
    r.runningShown = r.shown.running;
    events.emplace_back(link::MonitorFrame{r.shown, runningChanged});
}

void LiveLogs::reach(std::size_t index, bool wrapped, const Image& image, Events& events) {
    Replay& r = *replay_;
    const std::vector<logs::LiveRow>& rows = r.player.log().rows;
    const auto feed = [&](std::size_t i) { timer_.frame(rows[i].timeMs, rows[i].values, image); };
    if (wrapped) {
        for (std::size_t i = r.index + 1; i < rows.size(); ++i) feed(i);
        // The last row lasts until the pass ends; the next starts afresh.
        timer_.frame(rows.front().timeMs + logs::LoopLengthMs(r.player.log()), rows.front().values,
                     image);
        timer_.interrupt();
        feed(0);
        for (std::size_t i = 1; i <= index; ++i) feed(i);
    } else {
        for (std::size_t i = r.index + 1; i <= index; ++i) feed(i);
    }
    if (wrapped || index != r.index) show(index, events);
}

void LiveLogs::stepReplay(std::int64_t nowMs, const Image& image, Events& events) {
    Replay& r = *replay_;
    const std::int64_t elapsed = nowMs - r.clockMs;
    r.clockMs = nowMs;
    if (!r.player.playing()) return;
    const std::int64_t before = r.player.positionMs();
    r.player.advance(elapsed);
    reach(r.player.currentIndex(), r.player.positionMs() < before, image, events);
}

void LiveLogs::play(std::int64_t nowMs, const Image& image, Events& events) {
    Replay& r = *replay_;
    r.clockMs = nowMs;
    const bool restart = r.player.atEnd();
    r.player.play();
    if (restart) seek(0, image, events);
}

void LiveLogs::pause() {
    if (replay_) replay_->player.pause();
}

void LiveLogs::seek(std::int64_t positionMs, const Image& image, Events& events) {
    Replay& r = *replay_;
    r.player.seek(positionMs);
    const std::size_t index = r.player.currentIndex();
    const logs::LiveRow& row = r.player.log().rows[index];
    timer_.interrupt();
    timer_.frame(row.timeMs, row.values, image);
    if (index != r.index) show(index, events);
}

void LiveLogs::setSpeed(logs::ReplaySpeed speed) {
    if (replay_) replay_->player.setSpeed(speed);
}

void LiveLogs::setLooping(bool looping) {
    if (replay_) replay_->player.setLooping(looping);
}

}  // namespace tz::session
