// Any text must read without fault; whatever block it holds must write as
// text that reads back as the same block and writes the same text again.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

#include "editing/cell_block_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tz::editing;
    const auto first = parseCellBlock(std::string_view(reinterpret_cast<const char*>(data), size));
    const CellBlock* block = std::get_if<CellBlock>(&first);
    if (block == nullptr) return 0;
    if (block->cells.size() != static_cast<std::size_t>(block->rows * block->columns)) std::abort();

    const std::string text = formatCellBlock(*block);
    const auto second = parseCellBlock(text);
    const CellBlock* again = std::get_if<CellBlock>(&second);
    if (again == nullptr || *again != *block || formatCellBlock(*again) != text) std::abort();
    return 0;
}
