#include "sim/unit_model.h"

#include <algorithm>
#include <cctype>

#include "link/info_page.h"
#include "sim/engine.h"
#include "sim/log_replay.h"

namespace tz::sim {

namespace {

constexpr int kLongName = 16;
constexpr std::size_t kLongNameLength = 30;

bool isShortName(const std::string& name) {
    return name.size() == 5 && std::isdigit(static_cast<unsigned char>(name[3])) &&
           std::isdigit(static_cast<unsigned char>(name[4]));
}

}  // namespace

std::array<std::uint8_t, link::kPayloadSize> BuildInfoPage(const UnitIdentity& id) {
    std::array<std::uint8_t, link::kPayloadSize> info{};
    const std::string& name = id.name;
    for (std::size_t i = 0; i < 3; ++i)
        info[i] = static_cast<std::uint8_t>(i < name.size() ? name[i] : ' ');
    if (isShortName(name)) {
        info[3] = static_cast<std::uint8_t>((name[3] - '0') * 10 + (name[4] - '0'));
    } else {
        for (std::size_t i = 0; i < std::min(name.size(), kLongNameLength); ++i)
            info[kLongName + i] = static_cast<std::uint8_t>(name[i]);
    }
    info[4] = static_cast<std::uint8_t>(id.day);
    info[5] = id.month >= 1 && id.month <= 12 ? link::MonthCode(id.month) : 0;
    info[6] = static_cast<std::uint8_t>(id.year % 100);
    info[7] = static_cast<std::uint8_t>(id.hour);
    info[8] = static_cast<std::uint8_t>(id.minute);
    info[link::kInfoProtocolVersionByte] = id.protocol;
    return info;
}

UnitModel::UnitModel(UnitConfig config) : config_(std::move(config)) {}

int UnitModel::savingCountdown(std::int64_t nowMs) const {
    if (savingStart_ < 0 || config_.savingMs <= 0) return 0;
    const std::int64_t elapsed = nowMs - savingStart_;
    if (elapsed >= config_.savingMs) return 0;
    return static_cast<int>(kSavingFullScale - kSavingFullScale * elapsed / config_.savingMs);
}

std::optional<link::Frame> UnitModel::answer(const link::Frame& request, std::int64_t nowMs) {
    if (!link::IsValidFrame(request)) return std::nullopt;
    const std::uint8_t b = request[0];
    if (b == link::kPollKind) {
        takeTestRequests(request, nowMs);
        return monitorFrame(nowMs);
    }
    const int p = link::PageNumber(b);
    if ((b & link::kReplyBit) != 0 || p > kPageCount) return std::nullopt;

    link::Frame reply{};
    reply[0] = static_cast<std::uint8_t>(b ^ link::kReplyBit);
    if (p == 0) {
        const auto info = BuildInfoPage(config_.identity);
        std::copy(info.begin(), info.end(), reply.begin() + 1);
    } else {
        if ((b & link::kNoStoreBit) == 0) {
            storePage(config_.stored, p, link::FrameView(request).subspan<1, link::kPayloadSize>());
            if (p == kPageCount) {
                savingStart_ = nowMs;
                ++programCount_;
            }
        }
        const auto held = page(config_.stored, p);
        std::copy(held.begin(), held.end(), reply.begin() + 1);
    }
    link::Seal(reply);
    return reply;
}

void UnitModel::takeTestRequests(const link::Frame& poll, std::int64_t nowMs) {
    const std::uint8_t a = poll[link::kTestRequestByte];
    const std::uint8_t b = poll[link::kTestRequestByte + 1];
    const std::uint8_t c = poll[link::kTestRequestByte + 2];
    for (int i = 0; i < 2; ++i)
        if ((a & (1 << i)) != 0) ++ignitionTests_[static_cast<std::size_t>(i)];
    for (int i = 0; i < 3; ++i)
        if ((b & (1 << i)) != 0)
            powerOutTests_[static_cast<std::size_t>(i)].until = nowMs + kTestEffectMs;
    if ((b & 0x10) != 0) rpmTest_.until = nowMs + kTestEffectMs;
    const std::int64_t servoMs = config_.stored[field::TEST_SERVO] * 10;
    if ((c & 0x01) != 0) servoPlus_.until = nowMs + servoMs;
    if ((c & 0x02) != 0) servoMinus_.until = nowMs + servoMs;
}

link::Frame UnitModel::monitorFrame(std::int64_t nowMs) {
    MonitorFields f = config_.fields;
    if (config_.replay) ApplyReplay(*config_.replay, config_.replayLoop, nowMs, f);
    ApplyScript(config_.script, nowMs, f);
    if (config_.engine) RunEngine(f, nowMs, config_.stored);

    f.set("test1", f.get("test1") + ignitionTests_[0]);
    f.set("test2", f.get("test2") + ignitionTests_[1]);
    constexpr const char* kOutputs[3] = {"pout1", "pout2", "pout3"};
    for (std::size_t i = 0; i < 3; ++i)
        if (powerOutTests_[i].active(nowMs)) f.set(kOutputs[i], 1);
    if (rpmTest_.active(nowMs)) f.set("rpm", config_.stored[field::TEST_RPM] * 100);
    if (servoPlus_.active(nowMs)) f.set("servo-desired", 1023);
    if (servoMinus_.active(nowMs)) f.set("servo-desired", 0);

    f.set("program-count", f.get("program-count") + programCount_);
    if (const int saving = savingCountdown(nowMs); saving > 0) f.set("saving", saving);
    // A replayed log reports the protocol of the unit it was recorded from.
    if (!config_.replay || !config_.replay->has(logs::LiveColumn::Protocol))
        f.set("protocol", config_.identity.protocol);
    return f.frame();
}

}  // namespace tz::sim
