// Readable names of the numbers of a .ign file and of the window's pages, in
// the four languages of the window. Where the window has a caption for a
// value the name is made of it, so that the names read as the window does.
#pragma once

#include <string>
#include <string_view>

#include "params/image.h"
#include "params/image_diff.h"
#include "texts/language.h"

namespace tz::texts {

// The name of the number at the 1-based index after the .ign key, or of the
// image byte of that number for kByteKey ("Limiter", "Image byte 123").
// Advance map cells are named by their throttle row and by the speed of
// their column on the RPM axis of `axes` ("Advance Map, 4000 rpm, TPS 30 %").
// A key or index that no .ign file has is named by itself ("KEY 7").
std::string settingName(std::string_view key, int index, Language language, const Image& axes);

// The caption of the page's tab; for WindowPage::None a name for the bytes
// that no page shows.
std::string pageName(WindowPage page, Language language);

}  // namespace tz::texts
