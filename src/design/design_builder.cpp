#include "design/design_builder.h"

#include <utility>

namespace tz::design {

using ui::Control;
using ui::ControlId;
using ui::Kind;
using ui::Rect;

Control control(Kind kind, std::string_view name, Rect bounds, std::string_view caption) {
    Control c;
    c.kind = kind;
    c.name = std::string(name);
    c.bounds = bounds;
    c.caption = std::string(caption);
    return c;
}

Control label(std::string_view name, Rect bounds, std::string_view caption, ui::Font font) {
    Control c = control(Kind::Label, name, bounds, caption);
    c.font = font;
    return c;
}

Control liveLabel(std::string_view name, Rect bounds, std::string_view caption, ui::Font font) {
    Control c = label(name, bounds, caption, font);
    c.autoSize = true;
    c.transparent = false;
    return c;
}

Control radioGroup(std::string_view name, Rect bounds, std::string_view caption,
                   std::vector<std::string> items) {
    Control c = control(Kind::RadioGroup, name, bounds, caption);
    c.items = std::move(items);
    c.itemIndex = 0;
    return c;
}

Control comboBox(std::string_view name, Rect bounds, std::vector<std::string> items) {
    Control c = control(Kind::ComboBox, name, bounds);
    c.items = std::move(items);
    c.itemIndex = 0;
    c.colour = ui::Colour::Window;
    return c;
}

Control gauge(std::string_view name, Rect bounds, ui::Colour bar) {
    Control c = control(Kind::Gauge, name, bounds);
    c.barColour = bar;
    return c;
}

ui::NamePart fixedText(std::string text) {
    return {ui::kNoControl, std::move(text)};
}

ui::NamePart Builder::captionOf(std::string_view controlName) const {
    return {model_.id(ui::ControlName{controlName}), {}};
}

void Builder::name(ControlId id, std::vector<ui::NamePart> parts) const {
    model_.setNameParts(id, std::move(parts));
}

ControlId Builder::add(Control control) const {
    control.parent = parent_;
    control.tabOrder = static_cast<int>(model_.children(parent_).size());
    return model_.add(std::move(control));
}

EditUpDown Builder::editWithUpDown(std::string_view suffix, Rect edit, Range range) const {
    Control e =
        control(Kind::Edit, "Edit" + std::string(suffix), edit, std::to_string(range.position));
    e.colour = ui::Colour::Window;
    const ControlId editId = add(std::move(e));

    Control u = control(Kind::UpDown, "UpDown" + std::string(suffix),
                        {edit.right(), edit.top, kUpDownWidth, edit.height});
    u.min = range.min;
    u.max = range.max;
    u.step = range.step;
    u.position = range.position;
    u.associate = editId;
    return {editId, add(std::move(u))};
}

EditUpDown Builder::labelledEdit(std::string_view labelName, std::string_view caption,
                                 int labelLeft, std::string_view suffix, Rect edit,
                                 Range range) const {
    const ControlId labelId = add(label(
        labelName, {labelLeft, edit.top + 4, edit.left - 4 - labelLeft, kLabelHeight}, caption));
    const EditUpDown pair = editWithUpDown(suffix, edit, range);
    model_.setNameParts(pair.edit, {{labelId, {}}});
    return pair;
}

}  // namespace tz::design
