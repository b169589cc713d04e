// Any file name must parse without fault; a name that parses is the one the
// writer gives its point, and any unit name makes a name that parses back.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/restore_points.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto point = tz::parseRestorePointFileName(text)) {
        if (tz::restorePointFileName(*point) != text) std::abort();
    }

    const tz::RestorePoint made{{2024, 1, 2, 3, 4, 5},
                                static_cast<int>(size % 4) + 1,
                                tz::RestoreOperation::BeforeProgram,
                                tz::unitNameForFiles(text),
                                {}};
    const auto back = tz::parseRestorePointFileName(tz::restorePointFileName(made));
    if (!back || back->unit != made.unit || back->sequence != made.sequence ||
        back->time != made.time || back->operation != made.operation)
        std::abort();
    return 0;
}
