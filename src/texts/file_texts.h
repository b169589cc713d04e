// The texts that say what opening a settings file could not take, in the
// four languages of the window: a value that is not a number, a file with
// no settings in it, and the refusal to write a file that lost values.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "texts/language.h"

namespace tz::texts {

enum class FileText : std::uint8_t {
    ValueNotANumber,    // %1 file, %2 line, %3 key, %4 the word
    EmptyFile,          // %1 file
    NoVersionKey,       // %1 file
    LostValuesRefused,  // the command-line program wrote nothing
};

// The text in the language with "%1", "%2", ... replaced by the values in
// their order.
std::string fileText(FileText text, Language language,
                     std::initializer_list<std::string_view> values = {});

}  // namespace tz::texts
