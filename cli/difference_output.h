// The difference list of two parameter images as the command-line program
// prints it, for every subcommand that compares settings.
#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "params/image.h"
#include "params/image_diff.h"
#include "texts/language.h"

namespace tz::cli {

enum class DifferenceFormat {
    Lines,  // KEY<TAB>INDEX<TAB>NAME<TAB>A<TAB>B
    Json,   // {"key":"KEY","index":INDEX,"name":"NAME","a":A,"b":B}
};

// One line per difference, names in the language; map cells are named by
// the RPM axis of `axes`.
void writeDifferences(std::ostream& out, std::span<const ImageDifference> differences,
                      texts::Language language, const Image& axes, DifferenceFormat format);

// The text as a JSON string literal, quotes included. UTF-8 passes through;
// quotes, backslashes and control characters are escaped.
std::string jsonString(std::string_view text);

}  // namespace tz::cli
