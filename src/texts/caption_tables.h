// The fixed texts that the caption fill writes into the main window, grouped
// in the order in which the fill writes them. Each row names its target by the
// control's or menu item's design name.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "texts/language.h"
#include "texts/messages.h"

namespace tz::texts {

// What a caption text is written into.
enum class Aspect : std::uint8_t {
    Caption,        // caption of a label, group box, check box, radio group, button or tab page
    MenuCaption,    // caption of a menu item; "&" marks the access key
    ControlHint,    // hint of a control: tool tip before the first "|", status-bar text after
                    // it, the whole text for both when there is no "|"
    MenuHint,       // status-bar hint of a menu item
    ComboItem,      // one item of a combo box, at the row's item index
    RadioItems,     // the whole item list of a radio group, items separated by "\n"
    MenuCheck,      // check mark of a menu item
    WindowCaption,  // caption of the main window
};

struct CaptionRow {
    std::string_view target;
    Aspect aspect;
    Translations text;
    int item = -1;  // combo item index for Aspect::ComboItem
};

// A caption joined from a catalogue entry in the current language and a fixed
// ending.
struct EntryCaptionRow {
    std::string_view target;
    Msg entry;
    std::string_view ending;
};

// The not-connected banner.
const CaptionRow& bannerCaption();
// Menu captions, and the toolbar buttons that share the texts of their menu
// items.
std::span<const CaptionRow> menuCaptions();
// Tab pages, the labels, group boxes and check boxes of the pages, and the
// programming-after-change box.
std::span<const CaptionRow> pageCaptions();
// Combo box items of the Bike page; items not listed keep their text.
std::span<const CaptionRow> comboItems();
// Captions of the two pick-up polarity radio groups.
std::span<const CaptionRow> pickupPolarityCaptions();
// The pick-up polarity items: without the self-search item for the
// synchronisation method that cannot use it.
const Translations& pickupPolarityItems(std::uint8_t syncMethod);
// The caption of the advance map's "whole map" check box, and the one it has
// while map cells are selected.
const Translations& ignAllCaption();
inline constexpr std::string_view kIgnAllSelectedCaption = "Sel";
// Control hints and menu hints.
std::span<const CaptionRow> hints();
// Monitor labels and test buttons while the unit is not connected.
std::span<const EntryCaptionRow> notConnectedEntryCaptions();
std::span<const CaptionRow> notConnectedCaptions();
// Captions and item lists of the two multifunction input radio groups.
std::span<const CaptionRow> inputGroups();
// Monitor labels that the message fill writes while the unit is not connected.
std::span<const EntryCaptionRow> messageFillPlaceholders();
// The 3D graph's check boxes, written by every message fill.
std::span<const CaptionRow> graphCheckBoxCaptions();

}  // namespace tz::texts
