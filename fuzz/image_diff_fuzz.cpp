// Any two images must compare without fault: the list is empty exactly when
// a verify would find them equal, every entry names a real difference, and
// every entry has a name in every language.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "params/image_diff.h"
#include "texts/setting_names.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tz::Image a{}, b{};
    const std::size_t n = std::min<std::size_t>(size, 2 * tz::kImageSize);
    for (std::size_t i = 0; i < n; ++i)
        (i < tz::kImageSize ? a[i] : b[i - tz::kImageSize]) = data[i];

    bool verifyEqual = true;
    for (int i = 0; i < tz::kImageSize; ++i) verifyEqual &= i == 1 || a[i] == b[i];

    const auto differences = tz::DiffImages(a, b);
    if (differences.empty() != verifyEqual) std::abort();
    for (const tz::ImageDifference& d : differences) {
        if (d.a == d.b) std::abort();
        for (tz::texts::Language language : tz::texts::kAllLanguages)
            if (tz::texts::settingName(d.key, d.index, language, a).empty()) std::abort();
    }
    return 0;
}
