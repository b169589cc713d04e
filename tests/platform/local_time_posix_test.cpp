#include "platform/local_time.h"

#include <gtest/gtest.h>

#include <ctime>

#include "scoped_env.h"

namespace tz {
namespace {

// The zone comes from TZ, read again by tzset after every change.
std::string stampIn(const char* zone, std::time_t when) {
    testing::ScopedEnv env("TZ", zone);
    ::tzset();
    std::string stamp = localTimeStamp(when);
    return stamp;
}

TEST(LocalTimeStamp, CarriesTheZoneOffsetInIsoForm) {
    constexpr std::time_t kSummerNoonUtc = 1782734400;  // 2026-06-29 12:00:00 UTC
    const std::pair<const char*, std::string> cases[] = {
        {"UTC0", "2026-06-29T12:00:00+00:00"},
        {"CET-1CEST,M3.5.0,M10.5.0/3", "2026-06-29T14:00:00+02:00"},
        {"EST5", "2026-06-29T07:00:00-05:00"},
        {"IST-5:30", "2026-06-29T17:30:00+05:30"},
    };
    for (const auto& [zone, expected] : cases) EXPECT_EQ(stampIn(zone, kSummerNoonUtc), expected);
    ::tzset();
}

}  // namespace
}  // namespace tz
