#include "editing/table_tools.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

namespace tz::editing {

namespace {

// Writes every cell of the range, inside the table's area, for which
// `wanted` gives a value, limited to the cell's range. Values travel as
// doubles: every sum of two ints is exact in one.
template <typename Wanted>
ToolResult writeCells(CellTable& table, CellRange range, Wanted wanted) {
    ToolResult result{range.intersected(table.area()), 0, 0};
    const CellRange& r = result.range;
    for (int row = r.firstRow; row <= r.lastRow; ++row) {
        for (int column = r.firstColumn; column <= r.lastColumn; ++column) {
            const CellPos cell{row, column};
            const std::optional<double> value = wanted(cell);
            if (!value) continue;
            const CellLimits lim = table.limits(cell);
            const double limited =
                std::clamp(*value, static_cast<double>(lim.min), static_cast<double>(lim.max));
            if (limited != *value) ++result.clamped;
            table.store(cell, static_cast<int>(limited));
            ++result.written;
        }
    }
    return result;
}

// numerator / denominator rounded half away from zero; denominator > 0.
std::int64_t roundedQuotient(std::int64_t numerator, std::int64_t denominator) {
    const std::int64_t magnitude =
        (2 * (numerator < 0 ? -numerator : numerator) + denominator) / (2 * denominator);
    return numerator < 0 ? -magnitude : magnitude;
}

}  // namespace

CellBlock copyCells(const CellTable& table, CellRange range) {
    const CellRange r = range.intersected(table.area());
    CellBlock block{r.rowCount(), r.columnCount(), {}};
    block.cells.reserve(static_cast<std::size_t>(block.rows * block.columns));
    for (int row = r.firstRow; row <= r.lastRow; ++row)
        for (int column = r.firstColumn; column <= r.lastColumn; ++column)
            block.cells.emplace_back(table.value({row, column}));
    return block;
}

ToolResult setCells(CellTable& table, CellRange range, double value) {
    if (!std::isfinite(value)) return {};
    return writeCells(table, range,
                      [&](CellPos) { return std::optional<double>(std::round(value)); });
}

ToolResult addToCells(CellTable& table, CellRange range, double amount) {
    if (!std::isfinite(amount)) return {};
    return writeCells(table, range, [&](CellPos cell) {
        return std::optional<double>(table.value(cell) + std::round(amount));
    });
}

ToolResult scaleCells(CellTable& table, CellRange range, double percent) {
    if (!std::isfinite(percent)) return {};
    return writeCells(table, range, [&](CellPos cell) {
        return std::optional<double>(std::round(table.value(cell) * percent / 100.0));
    });
}

ToolResult smoothCells(CellTable& table, CellRange range) {
    const CellRange r = range.intersected(table.area());
    const CellBlock before = copyCells(table, r);
    const int rowReach = table.rowsShareUnit() ? 1 : 0;
    return writeCells(table, r, [&](CellPos cell) {
        std::int64_t sum = 0;
        std::int64_t weight = 0;
        for (int dr = -rowReach; dr <= rowReach; ++dr) {
            for (int dc = -1; dc <= 1; ++dc) {
                const CellPos n{cell.row + dr, cell.column + dc};
                if (!r.contains(n)) continue;
                // 4 for the cell itself, halved for each step aside.
                const int w = 4 >> ((dr != 0 ? 1 : 0) + (dc != 0 ? 1 : 0));
                sum += w * std::int64_t{*before.at(n.row - r.firstRow, n.column - r.firstColumn)};
                weight += w;
            }
        }
        return std::optional<double>(static_cast<double>(roundedQuotient(sum, weight)));
    });
}

ToolResult pasteCells(CellTable& table, CellRange range, const CellBlock& block) {
    if (range.empty()) return {};
    if (block.rows == 1 && block.columns == 1 && block.cells[0])
        return setCells(table, range, *block.cells[0]);
    const CellRange target = CellRange::sized(range.topLeft(), block.rows, block.columns);
    return writeCells(table, target, [&](CellPos cell) -> std::optional<double> {
        const std::optional<int> v =
            block.at(cell.row - target.firstRow, cell.column - target.firstColumn);
        if (!v) return std::nullopt;
        return *v;
    });
}

}  // namespace tz::editing
