// The simulated unit at work: bytes from the pseudo-terminal go to the unit
// model, its replies go through the fault injector and leave at the pace of
// the line; the terminal can go away and come back.
#pragma once

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "sim/faults.h"
#include "sim/frame_assembler.h"
#include "sim/pty_device.h"
#include "sim/sim_options.h"
#include "sim/unit_model.h"

namespace tz::sim {

class SimLoop {
  public:
    // Every device path the unit opens is written to `paths`, one a line.
    SimLoop(SimOptions options, std::FILE* paths);
    ~SimLoop();
    SimLoop(const SimLoop&) = delete;
    SimLoop& operator=(const SimLoop&) = delete;

    // Opens the terminal (and the log). False with an error text.
    bool start(std::string& error);
    // Serves until stop is set; it is looked at least every 50 ms.
    void run(const std::atomic<bool>& stop);

    const std::string& devicePath() const { return pty_.devicePath(); }

  private:
    std::int64_t nowUs() const;
    void handleAway(std::int64_t now);
    void receive(std::int64_t now);
    void request(const link::Frame& frame, std::int64_t now);
    void flush(std::int64_t now);
    std::int64_t nextWakeUs(std::int64_t now) const;
    // One line per frame received ('<') and per reply or piece sent ('>').
    void log(char direction, std::span<const std::uint8_t> bytes, std::int64_t now,
             std::int64_t delayMs);
    bool openPty(std::string& error);

    SimOptions options_;
    std::FILE* paths_;
    std::FILE* log_ = nullptr;
    UnitModel unit_;
    FaultInjector faults_;
    FrameAssembler assembler_;
    PtyDevice pty_;
    std::int64_t startUs_ = 0;
    std::int64_t lineFreeUs_ = 0;
    bool away_ = false;
    bool cameBack_ = false;
    // Bytes waiting to go out, by the time they may leave.
    std::multimap<std::int64_t, std::vector<std::uint8_t>> pending_;
};

}  // namespace tz::sim
