// The simulated ignition unit's side of the protocol: stored settings that
// page frames store and return, the info page, monitor frames answering
// polls, the saving countdown after programming and the bench test
// requests. Time is passed in, so the model is exact and testable.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "link/frame.h"
#include "logs/live_csv.h"
#include "params/image.h"
#include "sim/live_script.h"
#include "sim/monitor_fields.h"

namespace tz::sim {

struct UnitIdentity {
    // Three characters and two digits ("TZA05") give the short form of the
    // info page; any other text up to 30 characters the long name.
    std::string name = "TZA05";
    int year = 2016;
    int month = 11;
    int day = 4;
    int hour = 16;
    int minute = 21;
    std::uint8_t protocol = kProtocolVersion;
};

struct UnitConfig {
    UnitIdentity identity;
    Image stored{};        // the settings the unit holds at start
    MonitorFields fields;  // fixed monitor values
    std::vector<ScriptStep> script;
    std::shared_ptr<const logs::LiveLog> replay;  // a recorded log, played from the start
    bool replayLoop = false;
    bool engine = false;
    std::int64_t savingMs = 2000;  // storing the settings after programming
};

inline constexpr std::int64_t kTestEffectMs = 2000;
inline constexpr int kSavingFullScale = 600;

// The 100 bytes of the info page for an identity.
std::array<std::uint8_t, link::kPayloadSize> BuildInfoPage(const UnitIdentity& identity);

class UnitModel {
  public:
    explicit UnitModel(UnitConfig config);

    // The unit's one reply to a frame, or nothing for a frame it does not
    // accept (wrong check byte, a reply kind, a page number above 3).
    std::optional<link::Frame> answer(const link::Frame& request, std::int64_t nowMs);

    const Image& stored() const { return config_.stored; }
    int savingCountdown(std::int64_t nowMs) const;

  private:
    struct Effect {
        std::int64_t until = -1;
        bool active(std::int64_t now) const { return now < until; }
    };

    link::Frame monitorFrame(std::int64_t nowMs);
    void takeTestRequests(const link::Frame& poll, std::int64_t nowMs);

    UnitConfig config_;
    std::int64_t savingStart_ = -1;
    int programCount_ = 0;
    std::array<int, 2> ignitionTests_{};
    std::array<Effect, 3> powerOutTests_{};
    Effect rpmTest_;
    Effect servoPlus_;
    Effect servoMinus_;
};

}  // namespace tz::sim
