// Known settings: the general defaults and the synchronisation presets of
// each motorcycle type.
#pragma once

#include "params/image.h"

namespace tz {

// Writes the general defaults unless the user keeps a special setup
// (BIKE "Special setting" with keepSpecial set), then the motorcycle preset
// unless BIKE is "Special setting". Always clears keepSpecial. Neither
// normalises nor shows the image.
void ApplyDefaults(Image& image, bool& keepSpecial);

// Writes the synchronisation preset of the current BIKE (none for "Special
// setting" or an unknown code), then the Harley preset when SYNC_METHOD is
// "Harley".
void ApplyBikePreset(Image& image);

// The power-output defaults alone; older .ign files get them too.
void ApplyPowerOutputDefaults(Image& image);

// The default advance map, degrees, row by row.
extern const std::array<std::array<std::uint8_t, kMapColumns>, kMapRows> kDefaultAdvanceMap;

}  // namespace tz
