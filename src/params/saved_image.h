// The saved-image file: the 300 image bytes of the last run as decimal
// numbers, ten to a line.
#pragma once

#include <string>
#include <string_view>

#include "params/image.h"

namespace tz {

std::string formatSavedImage(const Image& image);

// Reads up to 300 numbers into the image, the n-th number into byte n as its
// low 8 bits. Reading stops at the end or at the first word that is not a
// number; the bytes not read keep their values. Returns how many were read.
int parseSavedImage(std::string_view text, Image& image);

}  // namespace tz
