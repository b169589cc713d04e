// The settings check run before programming: what in the settings may harm
// an engine or is most likely a slip of the keyboard. The map's cells, its
// speeds and the servo curve are read as the window's grids show them.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "params/image.h"

namespace tz::editing {

enum class FindingKind : std::uint8_t {
    StepAcross,            // advance: a cell and the one right of it differ by more than the step
    StepDown,              // advance: a cell and the one below it (throttle rows on)
    CellAtTop,             // advance: a cell at the top of its range
    RpmAxisNotRising,      // a map speed not above the one left of it
    ServoAxisNotRising,    // a servo speed not above the one left of it (servo on)
    LimiterBelowMap,       // the rev limiter below the map's lowest speed
    StartLimiterBelowMap,  // the start limiter (an input uses it) below the map's lowest speed
    ServoBelowMap,         // a servo point (servo on) below the map's lowest speed
    RetardPastTdc,         // the retard (an input uses it) above the map's smallest advance
    LobeSettingZero,       // lobes, outputs or a lobe number of a used channel at 0
};

// The grids as the command-line program's `map --table` names them.
enum class CheckTable : std::uint8_t { None, Advance, Rpm, Servo };

struct SettingsFinding {
    FindingKind kind = FindingKind::StepAcross;
    // The value's image byte, and its place in a .ign file: the key and the
    // 1-based position after it.
    int byte = 0;
    std::string_view key;
    int index = 0;
    // Grid cells: the table, row and column counted from 1 as `map` counts
    // them (advance rows 1..10 are the throttle rows 0..100 %); None and 0
    // for settings.
    CheckTable table = CheckTable::None;
    int row = 0;
    int column = 0;
    // A step's second cell.
    int otherRow = 0;
    int otherColumn = 0;
    // The value in the window's units (degrees, rpm), and what it is
    // compared with: the neighbour of a step, the previous speed of an
    // axis, the map's lowest speed or smallest advance; a channel (1, 2) for
    // a lobe number.
    int value = 0;
    int other = 0;

    bool operator==(const SettingsFinding&) const = default;
};

inline constexpr int kDefaultMaxAdvanceStep = 10;

struct CheckLimits {
    int maxAdvanceStep = kDefaultMaxAdvanceStep;  // degrees between neighbouring cells
};

// Every finding, in this order: the advance map's steps across then down and
// its cells at the top (row by row), the axes, the limiters, the servo
// points, the retard, the lobe settings.
std::vector<SettingsFinding> checkSettings(const Image& image, const CheckLimits& limits = {});

// A stable name of the kind for scripts ("step-across").
std::string_view findingKindName(FindingKind kind);
std::string_view checkTableName(CheckTable table);

}  // namespace tz::editing
