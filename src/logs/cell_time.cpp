#include "logs/cell_time.h"

#include <algorithm>

#include "link/live_cell.h"

namespace tz::logs {

void CellTime::add(const link::LiveValues& live, const Image& image, bool tpsRows,
                   std::int64_t elapsedMs) {
    const link::LiveCell cell = link::HighlightLiveCell(live, image, tpsRows);
    if (!cell.hasCell || elapsedMs <= 0) return;
    std::int64_t& sum = ms_[static_cast<std::size_t>(cell.row * kMapColumns + cell.column)];
    sum += elapsedMs;
    totalMs_ += elapsedMs;
    longestMs_ = std::max(longestMs_, sum);
}

void CellTime::reset() {
    *this = CellTime{};
}

std::int64_t CellTime::ms(int row, int column) const {
    return ms_[static_cast<std::size_t>(row * kMapColumns + column)];
}

}  // namespace tz::logs
