// Small helpers that keep the window's design tables compact: records of the
// usual controls with the window's defaults, and a builder that adds controls
// under one parent in tab order.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "controls/control_model.h"

namespace tz::design {

inline constexpr int kEditHeight = 21;
inline constexpr int kUpDownWidth = 16;
inline constexpr int kLabelHeight = 13;  // one line of the default 11-pixel font
inline constexpr int kCheckBoxHeight = 17;

// An up/down's limits, step and initial position.
struct Range {
    int min = 0;
    int max = 100;
    int step = 1;
    int position = 0;
};

struct EditUpDown {
    ui::ControlId edit = ui::kNoControl;
    ui::ControlId upDown = ui::kNoControl;
};

ui::Control control(ui::Kind kind, std::string_view name, ui::Rect bounds,
                    std::string_view caption = {});
// A label of fixed size showing a caption.
ui::Control label(std::string_view name, ui::Rect bounds, std::string_view caption,
                  ui::Font font = {});
// A label whose text the logic rewrites at run time: its width follows the
// text and it has a background of its own, which the logic colours.
ui::Control liveLabel(std::string_view name, ui::Rect bounds, std::string_view caption,
                      ui::Font font = {});
ui::Control radioGroup(std::string_view name, ui::Rect bounds, std::string_view caption,
                       std::vector<std::string> items);
ui::Control comboBox(std::string_view name, ui::Rect bounds, std::vector<std::string> items);
ui::Control gauge(std::string_view name, ui::Rect bounds, ui::Colour bar);

// A fixed part of a control's name for screen readers, such as a number.
ui::NamePart fixedText(std::string text);

// Adds controls under one parent; each new control comes last in the tab
// order of its siblings.
class Builder {
  public:
    Builder(ui::ControlModel& model, ui::ControlId parent) : model_(model), parent_(parent) {}

    // A builder for the children of another control.
    Builder into(ui::ControlId parent) const { return {model_, parent}; }

    ui::ControlId add(ui::Control control) const;

    // Names a control for screen readers by the parts, joined by blanks.
    void name(ui::ControlId id, std::vector<ui::NamePart> parts) const;
    // A name part: the caption of the control of that name, added before.
    ui::NamePart captionOf(std::string_view controlName) const;

    // An edit box "Edit" + suffix showing the initial position, and its
    // up/down "UpDown" + suffix right of it at the same height.
    EditUpDown editWithUpDown(std::string_view suffix, ui::Rect edit, Range range) const;

    // A caption label in front of an edit box with its up/down: the label
    // starts at labelLeft and reaches up to the edit box, and names it.
    EditUpDown labelledEdit(std::string_view labelName, std::string_view caption, int labelLeft,
                            std::string_view suffix, ui::Rect edit, Range range) const;

  private:
    ui::ControlModel& model_;
    ui::ControlId parent_;
};

}  // namespace tz::design
