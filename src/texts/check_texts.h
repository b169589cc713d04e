// The texts of the settings check and of the trigger-wheel picture in the
// four languages of the window: one line per kind of finding, the check
// dialog's title, note and buttons, and the wheel's labels and caption.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "texts/language.h"

namespace tz::texts {

enum class CheckText : std::uint8_t {
    // Findings; "%1".."%6" are filled in by the caller.
    StepAcross,          // row, column, other column, value, other value, limit
    StepDown,            // column, row, other row, value, other value, limit
    CellAtTop,           // row, column, value
    RpmAxisNotRising,    // column, speed, previous speed
    ServoAxisNotRising,  // point, speed, previous speed
    LimiterBelowMap,     // the limiter's name, its speed, the map's lowest speed
    ServoBelowMap,       // point, speed, the map's lowest speed
    RetardPastTdc,       // the retard's name, retard, smallest advance
    SettingZero,         // the setting's name
    // The dialog.
    DialogTitle,
    DialogNote,  // "%1": the number of findings
    ProgramAnyway,
    Cancel,
    GoToCell,
    // The trigger wheel.
    WheelTdc,
    WheelTurning,
    WheelPoints,
    WheelStartPoints,
    WheelPickups,
    WheelTdcAfter,  // "%1": the map's largest advance
};

// The text with "%1", "%2", ... replaced by the values in order.
std::string checkText(CheckText text, Language language,
                      std::initializer_list<std::string_view> values = {});

// The lines of the trigger wheel's caption.
std::vector<std::string> wheelCaption(Language language, int largestAdvance);

}  // namespace tz::texts
