// The texts of the table tools in four languages: the items of the Tools
// menu and of the map cells' context menu with their hints, the number
// dialogs, and the lines the message line (or the command-line program)
// shows after a tool ran or a paste was refused. The lines fit the message
// line's width in every language.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "texts/caption_tables.h"
#include "texts/language.h"

namespace tz::texts {

enum class TableText : std::uint8_t {
    SetTitle,
    SetPrompt,
    AddTitle,
    AddPrompt,
    ScaleTitle,
    ScalePrompt,
    Ok,
    Cancel,
    NotRectangle,  // a copy or paste with cells selected that form no rectangle
};

std::string_view tableText(TableText text, Language language);

// Captions and status-bar hints of the tool items, for the caption fill.
std::span<const CaptionRow> tableToolCaptions();

enum class TableTool : std::uint8_t { Copy, Paste, Set, Add, Scale, Smooth };

// What a tool did, short enough for the message line: "Added to 12 cells,
// 3 limited" (3 results were limited to their cell's range).
std::string toolResultLine(TableTool tool, int cells, int clamped, Language language);

// Why a paste changed nothing: "Not a number in row 2, column 3". Rows and
// columns count from 1; the position matters only for NotANumber and
// Grouping.
enum class PasteFault : std::uint8_t { NoValues, NotANumber, Grouping, TooLarge };
std::string pasteRefusedLine(PasteFault fault, int row, int column, Language language);

}  // namespace tz::texts
