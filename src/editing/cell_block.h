// A rectangular block of cell values as it travels through the clipboard,
// rows top to bottom. A blank cell holds no value: pasting leaves the
// table's cell under it as it is.
#pragma once

#include <optional>
#include <vector>

namespace tz::editing {

struct CellBlock {
    int rows = 0;
    int columns = 0;
    std::vector<std::optional<int>> cells;  // row by row, rows * columns of them

    std::optional<int> at(int row, int column) const {
        return cells[static_cast<std::size_t>(row * columns + column)];
    }

    bool operator==(const CellBlock&) const = default;
};

}  // namespace tz::editing
