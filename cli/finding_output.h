// The settings check's findings as the command-line program prints them.
#pragma once

#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "editing/settings_check.h"
#include "params/image.h"
#include "texts/language.h"

namespace tz::cli {

enum class FindingFormat {
    Lines,  // KIND<TAB>KEY<TAB>INDEX<TAB>TABLE<TAB>ROW<TAB>COLUMN<TAB>TEXT, "-" for no cell
    Json,   // {"kind":..,"key":..,"index":..,"table":..,"row":..,"column":..,"text":..}
};

void writeFindings(std::ostream& out, std::span<const editing::SettingsFinding> findings,
                   const editing::CheckLimits& limits, texts::Language language, const Image& image,
                   FindingFormat format);

// "--max-step DEG" among the words: taken out and kept in `limits`; false
// when DEG is missing or not a whole number of degrees 0..60.
bool takeMaxStep(std::vector<std::string>& args, editing::CheckLimits& limits);

}  // namespace tz::cli
