// The texts of the table tools in four languages: the items of the Tools
// menu and of the map cells' context menu with their hints, the number
// dialogs, and the lines the message line (or the command-line program)
// shows after a tool ran or a paste was refused.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

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

// What a tool did: "Added +2: 12 cells, 3 of them limited to the cell
// range." `amount` is the value set, the amount added or the percentage;
// copy, paste and smooth ignore it.
std::string toolResultLine(TableTool tool, double amount, int cells, int clamped,
                           Language language);

// Why a paste changed nothing. Rows and columns count from 1.
enum class PasteFault : std::uint8_t { NoValues, NotANumber, TooLarge };
std::string pasteRefusedLine(PasteFault fault, int row, int column, std::string_view field,
                             Language language);

}  // namespace tz::texts
