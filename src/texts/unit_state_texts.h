// The texts of what the unit holds compared with the window, in the four
// languages of the window: the status bar's field, the question before
// closing while they differ, and the permission problem of a serial device.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "texts/language.h"

namespace tz::texts {

enum class UnitStateText : std::uint8_t {
    Same,
    Differs,  // "%1": the number of differing values
    NotKnown,
    StatusHint,
    CloseQuestion,  // "%1": the number of differing values
    ProgramAndClose,
    CloseWithoutProgramming,
    Cancel,
};

// The text in the language with "%1" replaced by the value.
std::string unitStateText(UnitStateText text, Language language, std::string_view value = {});

// "No permission to open DEVICE: add your user to the group GROUP and log in
// again"; the group dialout when `group` is empty.
std::string noPermissionText(Language language, std::string_view device, std::string_view group);

}  // namespace tz::texts
