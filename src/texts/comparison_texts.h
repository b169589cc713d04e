// The texts of comparing the window's settings with the unit or a file and
// of the restore points, in the four languages of the window: the dialogs'
// titles, headers, buttons and notes, and the menu items that open them.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "texts/caption_tables.h"
#include "texts/language.h"

namespace tz::texts {

enum class CompareText : std::uint8_t {
    CompareWithUnitTitle,
    CompareWithFileTitle,
    WindowSide,
    UnitSide,
    FileSide,
    SettingHeader,
    DifferenceCount,  // "%1": the number of differing values
    SameAsUnit,
    SameAsFile,
    DifferencesTab,
    LegendUnit,
    LegendFile,
    TakeUnit,
    TakeFile,
    KeepWindow,
    ProgramUnit,
    Close,
    SpeedRow,
    VoltageRow,
    AskCompareAfterVerify,
    RestorePointsTitle,
    RestorePointsFolder,  // "%1": the directory
    DateHeader,
    OperationHeader,
    UnitHeader,
    SameAsWindowHeader,
    OperationRead,
    OperationProgram,
    OperationBeforeProgram,
    Yes,
    No,
    OpenPoint,
    NoRestorePoints,
    RestorePointNotWritten,  // "%1": the directory
};

// The text in the language; "%1" stays for the caller to fill.
std::string compareText(CompareText text, Language language);
// The text with "%1" replaced by the value.
std::string compareText(CompareText text, Language language, std::string_view value);

// Captions and status-bar hints of the menu items "Compare with file...",
// "Restore points..." (File menu), "Compare with unit" and "Backup before
// programming" (Ignition menu); the caption fill writes them after the menus.
std::span<const CaptionRow> comparisonCaptions();

}  // namespace tz::texts
