// Any input must read without fault; what was read must format and read
// back to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "params/saved_image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tz::Image image{};
    tz::parseSavedImage(std::string_view(reinterpret_cast<const char*>(data), size), image);
    tz::Image again{};
    if (tz::parseSavedImage(tz::formatSavedImage(image), again) != tz::kImageSize) std::abort();
    if (again != image) std::abort();
    return 0;
}
