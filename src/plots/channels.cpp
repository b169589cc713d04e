#include "plots/channels.h"

#include <algorithm>
#include <array>

#include "link/monitor_fields.h"

namespace tz::plots {

namespace {

using graphs::rgb;

// In the order of the log's columns; colours that stay apart on white.
constexpr auto kColours = std::to_array<graphs::Rgb>({
    rgb(0xC00000),  // rpm
    rgb(0x0060C0),  // tps
    rgb(0x4080C0),  // throttle_mv
    rgb(0x806000),  // supply_mv
    rgb(0x008000),  // advance1
    rgb(0xA000A0),  // advance2
    rgb(0x60A060),  // max_advance1
    rgb(0xC080C0),  // max_advance2
    rgb(0xE07000),  // servo_desired_mv
    rgb(0x008080),  // servo_measured_mv
    rgb(0x505050),  // pickup1
    rgb(0x707070),  // pickup2
    rgb(0x000000),  // running
    rgb(0xD04040),  // power_out1
    rgb(0x4040D0),  // power_out2
    rgb(0x40A040),  // power_out3
    rgb(0x906030),  // input1
    rgb(0x309060),  // input2
    rgb(0xFF0000),  // errors
    rgb(0x6060A0),  // saving
    rgb(0x606060),  // program_count
    rgb(0x909090),  // protocol
});
static_assert(kColours.size() == logs::kLiveColumnCount);

// The unit and whether it is a flag come with the monitor's fields.
std::array<ChannelStyle, logs::kLiveColumnCount> makeStyles() {
    std::array<ChannelStyle, logs::kLiveColumnCount> styles{};
    for (std::size_t c = 0; c < styles.size(); ++c) {
        const link::MonitorField& field = link::LoggedFields()[c];
        styles[c] = {field.unit, kColours[c], field.flag};
    }
    return styles;
}

}  // namespace

const ChannelStyle& channelStyle(logs::LiveColumn column) {
    static const std::array<ChannelStyle, logs::kLiveColumnCount> styles = makeStyles();
    return styles[static_cast<std::size_t>(column)];
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
