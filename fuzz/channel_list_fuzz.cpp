// Any text must read without fault; a list it holds names each column once
// and reads back the same from its names, and a refusal names a part of
// the text.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "plots/channels.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string unknown;
    const auto channels = tz::plots::parseChannelList(text, unknown);
    if (!channels) {
        if (text.find(unknown) == std::string_view::npos) std::abort();
        return 0;
    }
    std::string names;
    for (const tz::logs::LiveColumn c : *channels) {
        if (std::count(channels->begin(), channels->end(), c) != 1) std::abort();
        names += (names.empty() ? "" : ",") + std::string(tz::logs::LiveColumnName(c));
    }
    if (tz::plots::parseChannelList(names, unknown) != channels) std::abort();
    return 0;
}
