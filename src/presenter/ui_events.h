// User input as the toolkit binding hands it to the window's logic. The
// binding first records what the user changed in the control model (the
// model's user* operations), then calls the matching event; afterwards it
// mirrors every control whose revision moved back into its widget.
#pragma once

#include <string_view>

#include "controls/control.h"
#include "presenter/services.h"

namespace tz {

// The mouse over a drawing surface, in the surface's own pixels.
struct PointerEvent {
    enum class Type { Move, Press, Release, Leave };
    enum class Button { Left, Right, Middle };
    Type type = Type::Move;
    Button button = Button::Left;
    bool shift = false;
    bool ctrl = false;
    int x = 0;
    int y = 0;
};

// Key codes the logic cares about in edit boxes: the character a key types
// (its Unicode code point), or one of these.
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyEscape = 27;
// Keys that type nothing, numbered beyond the last code point.
inline constexpr int kKeyLeft = 0x110000;
inline constexpr int kKeyUp = 0x110001;
inline constexpr int kKeyRight = 0x110002;
inline constexpr int kKeyDown = 0x110003;

// A key pressed in an edit box with the modifiers held. With Ctrl held a
// letter key reports its lower-case letter ('c' for Ctrl+C), not the control
// character it types.
struct KeyPress {
    int code = 0;
    bool shift = false;
    bool ctrl = false;
    bool alt = false;

    // A key without modifiers; implicit, so that a bare code reads as one.
    constexpr KeyPress(int keyCode = 0) : code(keyCode) {}  // NOLINT(google-explicit-constructor)
    constexpr KeyPress(int keyCode, bool withShift, bool withCtrl, bool withAlt = false)
        : code(keyCode), shift(withShift), ctrl(withCtrl), alt(withAlt) {}

    bool operator==(const KeyPress&) const = default;
};

// How the keyboard focus came to a control.
enum class FocusCause {
    Mouse,     // a click
    Keyboard,  // Tab, Shift+Tab, or a move the logic asked for
    Other,     // the window was activated, a popup closed, a control was hidden
};

class UiEvents {
  public:
    virtual ~UiEvents() = default;

    // An up/down button was clicked; the model has already stepped it.
    virtual void upDownClicked(ui::ControlId upDown, int direction) = 0;
    // The keyboard focus left an edit box.
    virtual void editExited(ui::ControlId edit) = 0;
    // A key was pressed in an edit box; true when the logic consumed it.
    virtual bool keyPressed(ui::ControlId edit, const KeyPress& key) = 0;
    // The keyboard focus came to an edit box.
    virtual void editEntered(ui::ControlId edit, FocusCause cause) = 0;
    // The mouse button was released on a check box (after it toggled).
    virtual void checkBoxReleased(ui::ControlId checkBox) = 0;
    virtual void radioClicked(ui::ControlId radioGroup, int index) = 0;
    virtual void comboChanged(ui::ControlId comboBox, int index) = 0;
    // Push buttons, speed buttons and menu items (also through shortcuts).
    virtual void clicked(ui::ControlId control) = 0;
    // One half of a spin button: +1 up, -1 down.
    virtual void spinClicked(ui::ControlId spinButton, int direction) = 0;
    virtual void pageChanged(ui::ControlId pageControl, int index) = 0;
    virtual void trackBarChanged(ui::ControlId trackBar, int position) = 0;
    virtual void mouseWheel(int delta, Modifiers modifiers) = 0;
    // The mouse moved, was pressed or released over a drawing surface, or left it.
    virtual void canvasMouse(ui::ControlId surface, const PointerEvent& event) = 0;
    // The context menu of a control is about to open over it: the logic
    // brings the menu's items up to date.
    virtual void contextMenuOpening(ui::ControlId control) = 0;
    // The long hint under the mouse changed (empty when there is none).
    virtual void hintChanged(std::string_view longHint) = 0;
    // A panel of a status bar was clicked.
    virtual void panelClicked(ui::ControlId statusBar, int panel) = 0;
    // The 55 ms timer.
    virtual void tick() = 0;
    // The window is asked to close (its close box, a command, a signal);
    // false keeps it open. `canAsk`: no other modal dialog waits for an
    // answer, so the user can be asked.
    virtual bool closeRequested(bool canAsk) = 0;
    // The window is closing, by any means.
    virtual void closing() = 0;
};

}  // namespace tz
