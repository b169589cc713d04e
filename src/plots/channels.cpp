#include "plots/channels.h"

#include <algorithm>
#include <array>

namespace tz::plots {

namespace {

using graphs::rgb;

// In the order of the log's columns; colours that stay apart on white.
constexpr auto kStyles = std::to_array<ChannelStyle>({
    {"rpm", rgb(0xC00000), false},  // rpm
    {"%", rgb(0x0060C0), false},    // tps
    {"mV", rgb(0x4080C0), false},   // throttle_mv
    {"mV", rgb(0x806000), false},   // supply_mv
    {"°", rgb(0x008000), false},    // advance1
    {"°", rgb(0xA000A0), false},    // advance2
    {"°", rgb(0x60A060), false},    // max_advance1
    {"°", rgb(0xC080C0), false},    // max_advance2
    {"mV", rgb(0xE07000), false},   // servo_desired_mv
    {"mV", rgb(0x008080), false},   // servo_measured_mv
    {"", rgb(0x505050), true},      // pickup1
    {"", rgb(0x707070), true},      // pickup2
    {"", rgb(0x000000), true},      // running
    {"", rgb(0xD04040), true},      // power_out1
    {"", rgb(0x4040D0), true},      // power_out2
    {"", rgb(0x40A040), true},      // power_out3
    {"", rgb(0x906030), true},      // input1
    {"", rgb(0x309060), true},      // input2
    {"", rgb(0xFF0000), false},     // errors
    {"", rgb(0x6060A0), false},     // saving
    {"", rgb(0x606060), false},     // program_count
    {"", rgb(0x909090), false},     // protocol
});
static_assert(kStyles.size() == logs::kLiveColumnCount);

}  // namespace

const ChannelStyle& channelStyle(logs::LiveColumn column) {
    return kStyles[static_cast<std::size_t>(column)];
}

std::vector<logs::LiveColumn> defaultChannels() {
    using logs::LiveColumn;
    return {LiveColumn::Rpm, LiveColumn::Tps, LiveColumn::Advance1, LiveColumn::Advance2};
}

std::optional<std::vector<logs::LiveColumn>> parseChannelList(std::string_view text,
                                                              std::string& unknown) {
    std::vector<logs::LiveColumn> channels;
    for (std::size_t at = 0; at <= text.size();) {
        const std::size_t comma = std::min(text.find(',', at), text.size());
        const std::string_view name = text.substr(at, comma - at);
        at = comma + 1;
        const std::optional<logs::LiveColumn> column = logs::LiveColumnNamed(name);
        if (!column) {
            unknown = name;
            return std::nullopt;
        }
        if (std::find(channels.begin(), channels.end(), *column) == channels.end())
            channels.push_back(*column);
    }
    return channels;
}

}  // namespace tz::plots
