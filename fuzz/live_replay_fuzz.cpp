// A replay of an arbitrary log driven by arbitrary play, pause, seek, speed,
// loop and clock steps: the first byte says how many bytes of steps follow,
// the rest is the log. The replay must never fault, show only the log's rows
// and never count a negative or shrinking time per map cell.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "logs/live_csv.h"
#include "params/defaults.h"
#include "params/image.h"
#include "session/cell_timer.h"
#include "session/log_replay.h"

namespace {

using namespace tz;

bool fromLog(const logs::LiveLog& log, const link::LiveValues& values) {
    for (const logs::LiveRow& row : log.rows)
        if (row.values.rpm == values.rpm && row.values.throttlePercent == values.throttlePercent &&
            row.values.advance == values.advance)
            return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t steps = std::min<std::size_t>(data[0] % 32, size - 1);
    const std::string_view text(reinterpret_cast<const char*>(data + 1 + steps), size - 1 - steps);
    logs::ParsedLiveCsv parsed = logs::ParseLiveCsv(text);
    if (parsed.error || parsed.log.rows.empty()) return 0;
    const logs::LiveLog log = parsed.log;

    Image image{};
    bool keepSpecial = false;
    ApplyDefaults(image, keepSpecial);
    image[field::TPS_MAPA] = static_cast<std::uint8_t>(data[0] >> 7);
    session::CellTimer cells;
    session::Events events;
    std::int64_t now = 0;
    session::LogReplay replay(std::move(parsed.log), now, cells);
    replay.resume(image, events);
    std::int64_t total = 0;
    for (std::size_t i = 0; i <= steps; ++i) {
        const std::uint8_t step = i < steps ? data[1 + i] : 0xFF;
        switch (step % 6) {
            case 0:
                replay.play(now, image, events);
                break;
            case 1:
                replay.pause();
                break;
            case 2:
                replay.seek(std::int64_t{step} * 977 - 5000, image, events);
                break;
            case 3:
                replay.setSpeed(static_cast<logs::ReplaySpeed>(step / 6 % 6));
                break;
            case 4:
                replay.setLooping(step / 6 % 2 != 0);
                break;
            default:
                now += std::int64_t{step} * 55;
                replay.tick(now, image, events);
                break;
        }
        const logs::LogPlayer& player = replay.player();
        if (player.currentIndex() >= log.rows.size()) std::abort();
        if (cells.sums().totalMs() < total) std::abort();
        total = cells.sums().totalMs();
        for (const session::Event& e : events) {
            const auto* frame = std::get_if<link::MonitorFrame>(&e);
            if (frame == nullptr || !fromLog(log, frame->live)) std::abort();
        }
        events.clear();
    }
    return 0;
}
