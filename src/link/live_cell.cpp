#include "link/live_cell.h"

#include <cstdint>

namespace tz::link {

namespace {

// The number of leading breakpoints at or below v, scanning from `first`.
template <typename Breakpoint>
int leadingAtOrBelow(Breakpoint breakpoint, int first, int v) {
    int i = first;
    while (i < kAxisPoints && breakpoint(i) <= v) ++i;
    return i;
}

// The nearer of breakpoints i - 1 and i (a tie goes to the lower one);
// 9 past the last breakpoint.
template <typename Breakpoint>
int nearest(Breakpoint breakpoint, int i, int v) {
    if (i >= kAxisPoints) return kAxisPoints - 1;
    return breakpoint(i - 1) + breakpoint(i) >= 2 * v ? i - 1 : i;
}

}  // namespace

LiveCell HighlightLiveCell(const LiveValues& live, const Image& image, bool tpsMapChecked) {
    const int v = static_cast<std::uint8_t>(live.rpm / 100);
    const auto rpmAdv = [&image](int k) { return int{image[field::RPM_ADV + k]}; };
    const auto servoRpm = [&image](int k) { return int{image[field::SERVO_RPM + k]}; };
    const auto tps = [](int k) { return kTpsBreakpoints[static_cast<std::size_t>(k)]; };

    LiveCell cell;
    const int column = leadingAtOrBelow(rpmAdv, 0, v);
    cell.hasCell = column > 0;
    cell.column = column > 0 ? nearest(rpmAdv, column, v) : 0;

    const int point = leadingAtOrBelow(servoRpm, 0, v);
    cell.servoPoint = point > 0 ? nearest(servoRpm, point, v) : 0;

    if (tpsMapChecked) {
        const int t = live.throttlePercent;
        cell.row = nearest(tps, leadingAtOrBelow(tps, 1, t), t);
    }
    return cell;
}

}  // namespace tz::link
