// One control of the main window as the logic sees it: a plain record of
// everything a toolkit needs to show it. The window's logic changes these
// records; the toolkit binding mirrors them into real widgets and turns
// user input back into calls of the logic.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tz::ui {

enum class Kind : std::uint8_t {
    Window,  // the main window itself (caption, colour)
    Label,
    Edit,    // single-line edit box; its text is `caption`
    UpDown,  // up/down buttons bound to an edit box (`associate`)
    CheckBox,
    RadioGroup,   // framed group of radio buttons; `items`, `itemIndex`, `columns`
    ComboBox,     // drop-down list; `items`, `itemIndex`
    GroupBox,     // framed container
    Panel,        // unframed container
    Button,       // push button
    SpeedButton,  // toolbar button with a picture (`picture`)
    SpinButton,   // a pair of up and down buttons with no value of its own
    Gauge,        // progress bar; `position`, `max`
    TrackBar,     // slider; `min`, `max`, `position`, `tickStep`
    PageControl,  // tab pages; `itemIndex` is the active page
    TabSheet,     // one page of a page control
    Bevel,        // a sunken separator line
    Canvas,       // a drawing surface painted by the logic (graphs)
    StatusBar,    // `items` are the panel texts
    Menu,         // a submenu of the main menu (or the menu bar, with no parent), or a
                  // context menu when `popup` is set
    MenuItem,
    MenuSeparator,
};

// Colours the logic may give a control: the system's button face and window
// colours and a few fixed colours.
enum class Colour : std::uint8_t {
    ButtonFace,
    Window,
    Desktop,
    White,
    Black,
    Red,
    Yellow,
    Lime,
    Green,
    Fuchsia,
    Aqua,
    // Shades of a cell by how much of something it holds, palest first.
    Shade1,
    Shade2,
    Shade3,
    Shade4,
    // The text of a value the settings check found something in: dark red,
    // readable on the live cell's and the shades' backgrounds.
    Finding,
};

enum class Align : std::uint8_t { Left, Right, Center };

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool operator==(const Rect&) const = default;
};

struct Font {
    int pixelHeight = 11;
    bool bold = false;
    bool operator==(const Font&) const = default;
};

using ControlId = int;
inline constexpr ControlId kNoControl = -1;

// One part of the name a screen reader gives a control: another control's
// caption (a label, a column or row header, a group), or with no control a
// fixed text such as a column number.
struct NamePart {
    ControlId control = kNoControl;
    std::string text;
    bool operator==(const NamePart&) const = default;
};

// What a screen reader says for a control: its name and, for an up/down or
// a spin button, the names of its upper and lower arrow.
struct SpokenName {
    std::string name;
    std::string up;
    std::string down;
    bool operator==(const SpokenName&) const = default;
};

struct Control {
    std::string name;
    Kind kind = Kind::Label;
    ControlId parent = kNoControl;
    Rect bounds;  // relative to the parent's client area

    // Caption of labels, buttons, check boxes, groups, tabs, menu items and
    // the window; the text of an edit box.
    std::string caption;
    // "short|long": the tool tip before the bar, the status-bar hint after it.
    std::string hint;
    bool showHint = false;  // whether the tool tip is shown

    bool visible = true;
    bool enabled = true;
    Colour colour = Colour::ButtonFace;
    Colour fontColour = Colour::Black;
    // Marked as holding another value than the unit: the toolkit draws a
    // marker on the control that leaves its colours and text as they are.
    bool marked = false;
    bool transparent = true;  // labels: no background of their own
    Font font;
    Align alignment = Align::Left;
    bool autoSize = false;  // labels: the width follows the caption
    bool wordWrap = false;
    int tabOrder = 0;         // order among siblings for keyboard focus
    bool sendToBack = false;  // drawn behind its siblings
    bool tabStop = true;

    // UpDown, TrackBar, Gauge.
    int min = 0;
    int max = 100;
    int step = 1;
    int position = 0;
    int tickStep = 0;                  // TrackBar
    ControlId associate = kNoControl;  // UpDown: its edit box
    bool showText = false;             // Gauge: percentage text
    Colour barColour = Colour::Aqua;   // Gauge

    // CheckBox, checkable MenuItem.
    bool checked = false;
    bool checkable = false;

    // RadioGroup, ComboBox, StatusBar (panel texts), PageControl (active page).
    std::vector<std::string> items;
    int itemIndex = -1;
    int columns = 1;
    std::vector<int> panelWidths;         // StatusBar
    std::vector<Align> panelAlignments;   // StatusBar: the text alignment of each panel
    std::vector<std::string> panelHints;  // StatusBar: the tool tip of each panel

    // MenuItem: "Ctrl+N", "F3", "Ctrl+Alt+Z" (empty for none).
    std::string shortcut;
    // MenuItem: the desktop's usual keys for the same command ("Ctrl+Y" for
    // redo); they act as the shortcut does, but the menu shows only that.
    std::vector<std::string> extraShortcuts;
    // Menu: a context menu, shown at the pointer over the controls that name
    // it as their `contextMenu`, not in the menu bar.
    bool popup = false;
    // The context menu that a right click (or the menu key) opens over this
    // control; kNoControl for the toolkit's own or none.
    ControlId contextMenu = kNoControl;
    // SpeedButton: the name of its picture.
    std::string picture;
    // TabSheet: whether its tab is shown.
    bool tabVisible = true;

    // The parts of its name for screen readers, joined by blanks, when its
    // caption does not name it (an edit box's label); set by the design.
    std::vector<NamePart> nameParts;
    // Its name for screen readers in the current language, filled by the
    // logic from the parts, the caption or the hint.
    SpokenName spokenName;

    // Raised on every change, so that a binding can update only what moved.
    std::uint32_t revision = 0;
};

}  // namespace tz::ui
