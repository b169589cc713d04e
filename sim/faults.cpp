#include "sim/faults.h"

namespace tz::sim {

FaultInjector::FaultInjector(const FaultConfig& config) : config_(config), random_(config.seed) {}

bool FaultInjector::chance(int percent) {
    return percent > 0 && between(0, 99) < percent;
}

int FaultInjector::between(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random_);
}

std::vector<TimedBytes> FaultInjector::shape(const link::Frame& request, link::Frame reply) {
    if (config_.silent || chance(config_.dropPercent)) return {};

    const std::uint8_t b = request[0];
    const bool store = b != link::kPollKind && (b & link::kNoStoreBit) == 0;
    if (store && config_.wrongEchoPage != 0 && link::PageNumber(b) == config_.wrongEchoPage) {
        reply[1 + link::kPayloadSize / 2] ^= 0x01;
        link::Seal(reply);
    }
    if (chance(config_.corruptPercent)) {
        const int at = between(0, link::kFrameSize - 1);
        reply[static_cast<std::size_t>(at)] ^= static_cast<std::uint8_t>(1 << between(0, 7));
    }

    TimedBytes first;
    if (chance(config_.delayPercent)) first.afterMs = config_.delayMs;
    if (chance(config_.garbagePercent)) {
        const int n = between(1, 40);
        for (int i = 0; i < n; ++i)
            first.bytes.push_back(static_cast<std::uint8_t>(between(0, 255)));
    }
    if (!chance(config_.splitPercent)) {
        first.bytes.insert(first.bytes.end(), reply.begin(), reply.end());
        return {first};
    }
    const auto cut = reply.begin() + between(1, link::kFrameSize - 1);
    first.bytes.insert(first.bytes.end(), reply.begin(), cut);
    TimedBytes second{first.afterMs + config_.splitGapMs, {cut, reply.end()}};
    return {first, second};
}

}  // namespace tz::sim
