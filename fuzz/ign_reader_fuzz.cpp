// Any input must read without fault, and whatever it produced must survive
// a write and a second read unchanged.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "params/ign_reader.h"
#include "params/ign_writer.h"
#include "params/param_state.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tz::ParamState state = tz::firstStartState();
    tz::ReadIgnFile(std::string_view(reinterpret_cast<const char*>(data), size), state.image);
    state.normalise();

    const std::string text = tz::WriteIgnFile(state.image, {"date", "time", "name", "", ""});
    tz::Image again{};
    const tz::IgnReadResult result = tz::ReadIgnFile(text, again);
    if (result.version != tz::kIgnVersion) std::abort();
    for (int i = 0; i < tz::kImageSize; ++i)
        if (!tz::isReservedByte(i) && again[i] != state.image[i]) std::abort();
    return 0;
}
