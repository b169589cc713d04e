// Any text must read without fault; a range it holds must lie within the
// numbers the text may write, and write as text that reads back as the same
// range.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "editing/cell_range_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tz::editing;
    const std::optional<CellRange> range =
        parseCellRangeText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!range) return 0;
    if (range->empty() || range->firstRow < 0 || range->firstColumn < 0 ||
        range->lastRow >= kMaxCellNumber || range->lastColumn >= kMaxCellNumber)
        std::abort();
    const std::string text = formatCellRangeText(*range);
    if (parseCellRangeText(text) != range) std::abort();
    return 0;
}
