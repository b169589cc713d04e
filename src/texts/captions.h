// The caption fill: every text that the main window shows in the current
// language, computed as a list of assignments that the window applies to its
// controls in order.
//
// How the window applies an assignment, by aspect:
// - Caption, MenuCaption, ControlHint, MenuHint, WindowCaption: set the text.
// - MenuCheck: set the menu item's check mark to `checked`; `text` is empty.
// - ComboItem: replace item `item` of the combo box; other items keep their
//   text. The combo box keeps its selection: read its selected index before
//   the first of its items is replaced and set it back after the last.
// - RadioItems: remember the radio group's selected item, replace the whole
//   item list (items separated by "\n"), then select the remembered item
//   again, limited to the last item when the list has become shorter.
//
// Neither fill writes the catalogue: together with the caption fill the
// window calls MessageCatalogue::fillCaptionEntries and fillMessages, and with
// the message fill MessageCatalogue::fillMessages, for the same language.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "texts/caption_tables.h"
#include "texts/language.h"

namespace tz::texts {

inline constexpr std::string_view kMainWindow = "TFormHlav";

struct CaptionAssignment {
    std::string_view target;
    Aspect aspect;
    std::string text;
    int item = -1;         // combo item index for Aspect::ComboItem
    bool checked = false;  // check mark for Aspect::MenuCheck

    bool operator==(const CaptionAssignment&) const = default;
};

// The state of the window that the caption fill depends on.
struct CaptionInputs {
    Language language = Language::English;
    std::uint8_t syncMethod = 0;  // SYNC_METHOD of the parameter image
    bool cellsSelected = false;   // a selection of advance map cells exists
    bool connected = false;       // the unit answers (no not-connected banner)
    std::string_view fileName;    // the current parameter file
};

// Everything the caption fill writes, in order: language check marks, window
// caption, banner, menus and toolbar, pages and combo items, pick-up polarity
// groups, the advance map's "whole map" box, hints, the not-connected
// placeholders and input groups, and last the captions of the message fill.
std::vector<CaptionAssignment> fillCaptions(const CaptionInputs& inputs);

// Every not-connected placeholder of both fills (the live labels and the test
// buttons), for a window that lost its unit.
std::vector<CaptionAssignment> notConnectedPlaceholders(Language language);

// The captions that the message fill writes: the monitor placeholders while
// the unit is not connected, and the 3D graph's check boxes always.
std::vector<CaptionAssignment> fillMessageCaptions(Language language, bool connected);

}  // namespace tz::texts
