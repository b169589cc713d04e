#include "platform/test_mode_marker.h"

#include "params/token_reader.h"
#include "platform/atomic_file.h"

namespace tz {

bool markerTextUnlocksTestMode(std::string_view text) {
    TokenReader tokens(text);
    while (!tokens.atEnd())
        if (tokens.next() == "DIAG_UNLOCK") return true;
    return false;
}

bool ReadTestModeMarker(const std::string& path) {
    const std::optional<std::string> text = readWholeFile(path, 1u << 20);
    return text && markerTextUnlocksTestMode(*text);
}

}  // namespace tz
