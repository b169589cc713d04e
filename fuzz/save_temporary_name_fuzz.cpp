// Directory entries are anybody's names: the matcher must never fault, and
// a name it takes for a save temporary must be exactly the save template
// of that file with its six X replaced.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/save_temporaries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte splits the rest into the file's name and the entry.
    const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string_view base = rest.substr(0, std::min<std::size_t>(data[0], rest.size()));
    const std::string_view entry = rest.substr(base.size());
    if (base.find('/') != std::string_view::npos) return 0;
    if (!tz::isSaveTemporaryOf(entry, base)) return 0;

    const std::string pattern = tz::saveTemporaryTemplate("/d/" + std::string(base));
    const std::string named = "/d/" + std::string(entry);
    if (named.size() != pattern.size()) std::abort();
    for (std::size_t i = 0; i < named.size(); ++i) {
        const bool random = i + 6 >= named.size();
        if (random ? pattern[i] != 'X' : pattern[i] != named[i]) std::abort();
    }
    return 0;
}
