// The texts of the Log page, in four languages: the names of a live-data
// log's channels (legend, check boxes, histogram), the page's changing texts
// and its fixed captions and hints. "{}" marks where a value goes (fillIn).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "texts/caption_tables.h"
#include "texts/language.h"

namespace tz::texts {

// The number of a live-data log's value columns.
inline constexpr std::size_t kLogChannelCount = 22;

// The name of value column `column` of a live-data log, counted in the
// order the log writes its columns (rpm first, protocol last).
std::string_view logChannelName(std::size_t column, Language language);

enum class LogViewText : std::uint8_t {
    NoLog,           // the plot while no log is replayed
    NoChannel,       // the plot when no chosen channel is in the log
    HistogramTitle,  // {} the channel
};

std::string_view logViewText(LogViewText text, Language language);

// The page's tab, buttons, hint label and tool tips; the caption fill
// writes them after the hints.
std::span<const CaptionRow> logViewCaptions();

}  // namespace tz::texts
