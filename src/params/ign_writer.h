// Writer of .ign parameter files in the current format version.
#pragma once

#include <string>
#include <string_view>

#include "params/image.h"

namespace tz {

// The information lines at the end of a file. The unit texts come from the
// connected unit; the build texts are the program's own build date
// ("Nov  4 2016") and time ("14:23:33").
struct IgnTrailer {
    std::string unitDate;
    std::string unitTime;
    std::string unitName;
    std::string buildDate;
    std::string buildTime;
};

// The complete file text for the image. The caller has normalised it.
std::string WriteIgnFile(const Image& image, const IgnTrailer& trailer);

// Makes text received from the unit safe for the information lines: only
// printable ASCII, at most 100 characters, and no word that the reader
// would take for a key (such a word is written in lower case), so that a
// written file always reads back to the image it was written from.
std::string sanitiseTrailerText(std::string_view text);

}  // namespace tz
