#include "logs/log_player.h"

#include <algorithm>

namespace tz::logs {

namespace {

// Quarter milliseconds of the log per millisecond of real time.
std::int64_t quartersPerMs(ReplaySpeed speed) {
    switch (speed) {
        case ReplaySpeed::Quarter:
            return 1;
        case ReplaySpeed::Half:
            return 2;
        case ReplaySpeed::Normal:
            break;
        case ReplaySpeed::Double:
            return 8;
        case ReplaySpeed::Quadruple:
            return 16;
        case ReplaySpeed::Octuple:
            return 32;
    }
    return 4;
}

std::int64_t spanMs(const LiveLog& log) {
    return log.rows.empty() ? 0 : log.rows.back().timeMs - log.rows.front().timeMs;
}

}  // namespace

std::int64_t LoopLengthMs(const LiveLog& log) {
    const auto n = static_cast<std::int64_t>(log.rows.size());
    if (n < 2) return 0;
    const std::int64_t span = spanMs(log);
    return span + std::max<std::int64_t>(span / (n - 1), 1);
}

std::size_t RowIndexAt(const LiveLog& log, std::int64_t positionMs, bool loop) {
    const std::int64_t length = LoopLengthMs(log);
    if (loop && length > 0) positionMs %= length;
    const std::int64_t time = log.rows.front().timeMs + std::max<std::int64_t>(positionMs, 0);
    const auto after =
        std::upper_bound(log.rows.begin(), log.rows.end(), time,
                         [](std::int64_t t, const LiveRow& r) { return t < r.timeMs; });
    return static_cast<std::size_t>(std::max<std::ptrdiff_t>(after - log.rows.begin() - 1, 0));
}

LogPlayer::LogPlayer(LiveLog log) : log_(std::move(log)) {}

void LogPlayer::play() {
    if (atEnd()) quarterMs_ = 0;
    settle();
    playing_ = true;
}

void LogPlayer::pause() {
    playing_ = false;
}

std::int64_t LogPlayer::durationMs() const {
    return spanMs(log_);
}

bool LogPlayer::atEnd() const {
    return !looping_ && positionMs() >= durationMs();
}

void LogPlayer::advance(std::int64_t elapsedMs) {
    if (!playing_) return;
    quarterMs_ += std::max<std::int64_t>(elapsedMs, 0) * quartersPerMs(speed_);
    const std::int64_t loop = LoopLengthMs(log_);
    if (looping_ && loop > 0) {
        quarterMs_ %= 4 * loop;
    } else if (quarterMs_ >= 4 * durationMs()) {
        quarterMs_ = 4 * durationMs();
        if (!looping_) playing_ = false;
    }
    settle();
}

void LogPlayer::seek(std::int64_t positionMs) {
    quarterMs_ = 4 * std::clamp<std::int64_t>(positionMs, 0, durationMs());
    settle();
}

const LiveRow* LogPlayer::current() const {
    return log_.rows.empty() ? nullptr : &log_.rows[index_];
}

void LogPlayer::settle() {
    if (!log_.rows.empty()) index_ = RowIndexAt(log_, positionMs(), looping_);
}

}  // namespace tz::logs
