// The fixed texts of live-data logs in the window: the Tools menu's items
// with their hints and the replay bar's captions and hints. The caption fill
// writes them after the hints.
#pragma once

#include <span>

#include "texts/caption_tables.h"

namespace tz::texts {

std::span<const CaptionRow> liveLogCaptions();

}  // namespace tz::texts
