// The texts of live-data logs in the window, in four languages: messages,
// the recording's status, the replay bar's changing captions and the time per
// map cell. "{}" marks where a value goes (fillIn).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "texts/language.h"

namespace tz::texts {

enum class LogText : std::uint8_t {
    FileFilter,             // the file dialogs' filter of logs
    CannotCreate,           // {} the reason
    RecordingFailed,        // {} the reason, {} the rows kept
    RecordingStatus,        // {} the time recorded, {} the rows
    CannotOpen,             // {} the file
    CannotReplay,           // {} the line, {} the problem (one of the Problem texts)
    NoRows,                 //
    TransferRunning,        //
    TooLarge,               // {} the largest size in MiB
    UnitNotAnswering,       // {} the device
    Play,                   // the replay bar's button while paused
    Pause,                  // and while playing
    CellTime,               // {} the seconds, one decimal
    ProblemNoTimeColumn,    //
    ProblemRepeatedColumn,  // {} the column
    ProblemValueCount,      //
    ProblemNotANumber,      // {} the column
    ProblemOutOfRange,      // {} the column
    ProblemTimeBackwards,   //
};

std::string_view logText(LogText text, Language language);

// The pattern with each "{}" replaced by the next value, in order; a "{}"
// without a value is left out.
std::string fillIn(std::string_view pattern, std::initializer_list<std::string_view> values);

}  // namespace tz::texts
