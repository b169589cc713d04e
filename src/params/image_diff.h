// The differences between two parameter images, value by value as a .ign
// file shows them, with the place in the window where each value is edited.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "params/image.h"

namespace tz {

// The key of differences in image bytes that no number of a .ign file shows.
inline constexpr std::string_view kByteKey = "BYTE";

// The pages of the window, in tab order; None for bytes no control edits.
enum class WindowPage : std::uint8_t { None, Inputs, Bike, AdvanceMap, Servo, PowerOut, Test };

// The grids of the window that show many values at once.
enum class Grid : std::uint8_t { None, AdvanceMap, ServoCurve };

// A place in a grid, laid out as in the window: the advance map has its RPM
// axis in row 0 and the throttle rows of kTpsBreakpoints in rows 1..10; the
// servo curve has the speeds in row 0 and the voltages in row 1. Columns are
// the points 0..9 from left to right.
struct GridCell {
    Grid grid = Grid::None;
    int row = -1;
    int column = -1;

    bool operator==(const GridCell&) const = default;
};

inline constexpr int kAdvanceMapAxisRow = 0;
inline constexpr int kAdvanceMapFirstCellRow = 1;
inline constexpr int kServoRpmRow = 0;
inline constexpr int kServoMvRow = 1;

struct ImageDifference {
    std::string_view key;  // a .ign key, or kByteKey
    int index = 0;         // 1-based position after the key; the byte number for kByteKey
    long a = 0;            // the number in the first image, as the writer writes it
    long b = 0;            // (the byte itself for kByteKey)
    WindowPage page = WindowPage::None;  // None for kByteKey: no control shows it
    GridCell cell;
    int byte = 0;  // the image byte that holds the value
    int bit = -1;  // 0..3 for a power-output zone switch, -1 for the whole byte

    bool operator==(const ImageDifference&) const = default;
};

// Every number of a .ign file that differs between a and b, in file order,
// then every byte that a verify compares (all but image byte 1) whose
// difference no number shows (reserved bytes, the upper bits of the
// power-output zone bytes), in byte order. Empty when a verify of a against
// b would succeed.
std::vector<ImageDifference> DiffImages(const Image& a, const Image& b);

// The page whose controls edit the image byte.
WindowPage pageOfByte(int byte);
// The grid cell that shows the image byte; Grid::None for bytes outside the
// advance map (with its RPM axis) and the servo curve.
GridCell gridCellOfByte(int byte);

}  // namespace tz
