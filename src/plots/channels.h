// How each column of a live-data log is plotted: its unit, its colour, and
// whether it is a flag (drawn in a lane of half height); the channels shown
// by default; channel lists as the command line names them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "canvas/canvas.h"
#include "logs/live_csv.h"

namespace tz::plots {

struct ChannelStyle {
    std::string_view unit;  // empty for flags and plain counts
    graphs::Rgb colour;
    bool flag = false;  // 0 or 1
};

const ChannelStyle& channelStyle(logs::LiveColumn column);

// rpm, throttle and both advances.
std::vector<logs::LiveColumn> defaultChannels();

// "rpm,advance1,..." by the log's column names, in the order given, each
// once. Nothing for an empty list; `unknown` names the first name that is
// no column.
std::optional<std::vector<logs::LiveColumn>> parseChannelList(std::string_view text,
                                                              std::string& unknown);

}  // namespace tz::plots
