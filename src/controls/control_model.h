// The main window's controls as plain records, addressed by name or id, with
// the operations the logic uses on them. Every change raises the model's
// revision and stamps the changed control with it, so that a toolkit binding
// can mirror exactly what changed after each event and tick.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "controls/control.h"
#include "controls/control_name.h"

namespace tz::ui {

class ControlModel {
  public:
    // Adds a control; its name must be unique (empty names are allowed for
    // anonymous decoration such as menu separators). Throws
    // std::invalid_argument for a name that is already taken.
    ControlId add(Control control);

    // kNoControl when there is no control of that name.
    ControlId find(std::string_view name) const;
    // The control of that name. Throws std::invalid_argument, naming it,
    // when there is none: a wrong name is a fault of the program.
    ControlId id(ControlName name) const;
    bool contains(std::string_view name) const { return find(name) != kNoControl; }

    const Control& at(ControlId id) const { return controls_[static_cast<std::size_t>(id)]; }
    // The control of that name; throws as id() does.
    const Control& operator[](std::string_view name) const { return at(id(ControlName{name})); }
    int size() const { return static_cast<int>(controls_.size()); }
    const std::vector<ControlId>& children(ControlId parent) const;

    std::uint32_t revision() const { return revision_; }

    // Texts.
    void setCaption(ControlId id, std::string_view text);
    const std::string& caption(ControlId id) const { return at(id).caption; }
    void setHint(ControlId id, std::string_view hint);
    // Whether the hint shows as a tool tip.
    void setShowHint(ControlId id, bool show);
    // What names the control for screen readers (see Control::nameParts).
    void setNameParts(ControlId id, std::vector<NamePart> parts);
    void setSpokenName(ControlId id, SpokenName name);

    // Values. An up/down's value is the number shown in its edit box limited
    // to its range, or its last position when the edit box holds no number.
    int upDownValue(ControlId upDown) const;
    // Limits the value to the range and shows it in the edit box as a plain
    // decimal number.
    void setUpDownPosition(ControlId upDown, int value);
    void setRange(ControlId id, int min, int max);
    bool checked(ControlId id) const { return at(id).checked; }
    void setChecked(ControlId id, bool checked);
    int itemIndex(ControlId id) const { return at(id).itemIndex; }
    // Items of a list, or pages of a page control.
    int itemCount(ControlId id) const;
    // Limited to -1 .. items - 1.
    void setItemIndex(ControlId id, int index);
    void setItem(ControlId id, int n, std::string_view text);
    // Replaces the whole item list; the selected index is kept when it still
    // names an item, else limited to the last item.
    void setItems(ControlId id, std::vector<std::string> items);
    // Items separated by line breaks.
    void setItemsFromText(ControlId id, std::string_view text);

    // Appearance.
    void setVisible(ControlId id, bool visible);
    void setEnabled(ControlId id, bool enabled);
    void setColour(ControlId id, Colour colour);
    void setFontColour(ControlId id, Colour colour);
    void setMarked(ControlId id, bool marked);
    void setTop(ControlId id, int top);
    void setBounds(ControlId id, Rect bounds);
    void setTabVisible(ControlId tabSheet, bool visible);
    void setPosition(ControlId id, int position);  // gauges and track bars, limited
    void setMax(ControlId id, int max);
    void setPanelText(ControlId statusBar, int panel, std::string_view text);
    void setPanelHint(ControlId statusBar, int panel, std::string_view hint);
    // The context menu (a popup Menu) that opens over the control.
    void setContextMenu(ControlId id, ControlId menu);

    // Keyboard focus: the binding moves the focus to the requested control.
    void requestFocus(ControlId id);
    // Moves the focus from a control to the next one in the tab order.
    void requestFocusNext(ControlId from);
    ControlId focusRequest() const { return focusRequest_; }
    bool focusRequestIsNext() const { return focusNext_; }
    std::uint32_t focusRequestRevision() const { return focusRequestRevision_; }

    // Changes that come from the user through the toolkit. They update the
    // record without raising the revision, since the widget already shows
    // them.
    void userSetText(ControlId edit, std::string_view text);
    void userSetChecked(ControlId id, bool checked);
    void userSetItemIndex(ControlId id, int index);
    void userSetPosition(ControlId id, int position);
    // The toolkit's own step of an up/down: from the edit box's value by one
    // step in the direction, limited to the range. Shown at once.
    void userStepUpDown(ControlId upDown, int direction);
    // The user moved or resized the window.
    void userSetBounds(ControlId id, Rect bounds);

    // Whether a control and all its parents are visible.
    bool showing(ControlId id) const;

  private:
    Control& change(ControlId id);

    std::vector<Control> controls_;
    std::vector<std::vector<ControlId>> children_;
    std::vector<ControlId> topLevel_;
    // Looked up by string_view without building a string.
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const {
            return std::hash<std::string_view>{}(name);
        }
    };
    std::unordered_map<std::string, ControlId, NameHash, std::equal_to<>> byName_;
    std::uint32_t revision_ = 0;
    ControlId focusRequest_ = kNoControl;
    bool focusNext_ = false;
    std::uint32_t focusRequestRevision_ = 0;
};

// The integer in an edit box's text: optional blanks, an optional sign and
// decimal digits; nothing for anything else or a value beyond int.
std::optional<int> parseEditNumber(std::string_view text);

}  // namespace tz::ui
