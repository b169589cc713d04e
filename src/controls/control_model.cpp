#include "controls/control_model.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <utility>

namespace tz::ui {

std::optional<int> parseEditNumber(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 10) return std::nullopt;
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (negative) value = -value;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

ControlId ControlModel::add(Control control) {
    const auto id = static_cast<ControlId>(controls_.size());
    if (!control.name.empty() && !byName_.emplace(control.name, id).second)
        throw std::invalid_argument("two controls named " + control.name);
    const ControlId parent = control.parent;
    control.revision = ++revision_;
    controls_.push_back(std::move(control));
    children_.emplace_back();
    if (parent == kNoControl)
        topLevel_.push_back(id);
    else
        children_[static_cast<std::size_t>(parent)].push_back(id);
    return id;
}

ControlId ControlModel::find(std::string_view name) const {
    const auto it = byName_.find(name);
    return it == byName_.end() ? kNoControl : it->second;
}

ControlId ControlModel::id(ControlName name) const {
    const ControlId found = find(name.text);
    if (found == kNoControl)
        throw std::invalid_argument("no control named " + std::string(name.text));
    return found;
}

const std::vector<ControlId>& ControlModel::children(ControlId parent) const {
    return parent == kNoControl ? topLevel_ : children_[static_cast<std::size_t>(parent)];
}

Control& ControlModel::change(ControlId id) {
    Control& c = controls_[static_cast<std::size_t>(id)];
    c.revision = ++revision_;
    return c;
}

void ControlModel::setCaption(ControlId id, std::string_view text) {
    if (at(id).caption != text) change(id).caption = std::string(text);
}

void ControlModel::setHint(ControlId id, std::string_view hint) {
    if (at(id).hint != hint) change(id).hint = std::string(hint);
}

void ControlModel::setShowHint(ControlId id, bool show) {
    if (at(id).showHint != show) change(id).showHint = show;
}

void ControlModel::setNameParts(ControlId id, std::vector<NamePart> parts) {
    if (at(id).nameParts != parts) change(id).nameParts = std::move(parts);
}

void ControlModel::setSpokenName(ControlId id, SpokenName name) {
    if (at(id).spokenName != name) change(id).spokenName = std::move(name);
}

int ControlModel::upDownValue(ControlId upDown) const {
    const Control& u = at(upDown);
    int value = u.position;
    if (u.associate != kNoControl) {
        if (const std::optional<int> typed = parseEditNumber(at(u.associate).caption))
            value = *typed;
    }
    return std::clamp(value, u.min, u.max);
}

void ControlModel::setUpDownPosition(ControlId upDown, int value) {
    const Control& u = at(upDown);
    value = std::clamp(value, u.min, u.max);
    if (u.position != value) change(upDown).position = value;
    if (u.associate != kNoControl) setCaption(u.associate, std::to_string(value));
}

void ControlModel::setRange(ControlId id, int min, int max) {
    const Control& c = at(id);
    if (c.min == min && c.max == max) return;
    Control& m = change(id);
    m.min = min;
    m.max = max;
    m.position = std::clamp(m.position, min, max);
}

void ControlModel::setChecked(ControlId id, bool checked) {
    if (at(id).checked != checked) change(id).checked = checked;
}

int ControlModel::itemCount(ControlId id) const {
    const Control& c = at(id);
    if (c.kind == Kind::PageControl) return static_cast<int>(children(id).size());
    return static_cast<int>(c.items.size());
}

void ControlModel::setItemIndex(ControlId id, int index) {
    index = std::clamp(index, -1, itemCount(id) - 1);
    if (at(id).itemIndex != index) change(id).itemIndex = index;
}

void ControlModel::setItem(ControlId id, int n, std::string_view text) {
    const Control& c = at(id);
    if (n < 0 || n >= static_cast<int>(c.items.size()) ||
        c.items[static_cast<std::size_t>(n)] == text)
        return;
    change(id).items[static_cast<std::size_t>(n)] = std::string(text);
}

void ControlModel::setItems(ControlId id, std::vector<std::string> items) {
    if (at(id).items == items) return;
    Control& c = change(id);
    c.items = std::move(items);
    c.itemIndex = std::min(c.itemIndex, static_cast<int>(c.items.size()) - 1);
}

void ControlModel::setItemsFromText(ControlId id, std::string_view text) {
    std::vector<std::string> items;
    while (!text.empty()) {
        const std::size_t eol = text.find('\n');
        items.emplace_back(text.substr(0, eol));
        if (eol == std::string_view::npos) break;
        text.remove_prefix(eol + 1);
    }
    setItems(id, std::move(items));
}

void ControlModel::setVisible(ControlId id, bool visible) {
    if (at(id).visible != visible) change(id).visible = visible;
}

void ControlModel::setEnabled(ControlId id, bool enabled) {
    if (at(id).enabled != enabled) change(id).enabled = enabled;
}

void ControlModel::setColour(ControlId id, Colour colour) {
    if (at(id).colour != colour) change(id).colour = colour;
}

void ControlModel::setFontColour(ControlId id, Colour colour) {
    if (at(id).fontColour != colour) change(id).fontColour = colour;
}

void ControlModel::setMarked(ControlId id, bool marked) {
    if (at(id).marked != marked) change(id).marked = marked;
}

void ControlModel::setTop(ControlId id, int top) {
    if (at(id).bounds.top != top) change(id).bounds.top = top;
}

void ControlModel::setBounds(ControlId id, Rect bounds) {
    if (at(id).bounds != bounds) change(id).bounds = bounds;
}

void ControlModel::setTabVisible(ControlId tabSheet, bool visible) {
    if (at(tabSheet).tabVisible != visible) change(tabSheet).tabVisible = visible;
}

void ControlModel::setPosition(ControlId id, int position) {
    position = std::clamp(position, at(id).min, at(id).max);
    if (at(id).position != position) change(id).position = position;
}

void ControlModel::setMax(ControlId id, int max) {
    if (at(id).max == max) return;
    Control& c = change(id);
    c.max = max;
    c.position = std::min(c.position, max);
}

void ControlModel::setPanelText(ControlId statusBar, int panel, std::string_view text) {
    const Control& c = at(statusBar);
    if (panel < 0 || panel >= static_cast<int>(c.items.size())) return;
    if (c.items[static_cast<std::size_t>(panel)] != text)
        change(statusBar).items[static_cast<std::size_t>(panel)] = std::string(text);
}

void ControlModel::setPanelHint(ControlId statusBar, int panel, std::string_view hint) {
    const auto n = static_cast<std::size_t>(panel);
    if (panel < 0 || n >= at(statusBar).items.size()) return;
    if (n < at(statusBar).panelHints.size() && at(statusBar).panelHints[n] == hint) return;
    Control& c = change(statusBar);
    if (c.panelHints.size() <= n) c.panelHints.resize(n + 1);
    c.panelHints[n] = std::string(hint);
}

void ControlModel::setContextMenu(ControlId id, ControlId menu) {
    if (at(id).contextMenu != menu) change(id).contextMenu = menu;
}

void ControlModel::requestFocus(ControlId id) {
    focusRequest_ = id;
    focusNext_ = false;
    focusRequestRevision_ = ++revision_;
}

void ControlModel::requestFocusNext(ControlId from) {
    focusRequest_ = from;
    focusNext_ = true;
    focusRequestRevision_ = ++revision_;
}

void ControlModel::userSetText(ControlId edit, std::string_view text) {
    controls_[static_cast<std::size_t>(edit)].caption = std::string(text);
}

void ControlModel::userSetChecked(ControlId id, bool checked) {
    controls_[static_cast<std::size_t>(id)].checked = checked;
}

void ControlModel::userSetItemIndex(ControlId id, int index) {
    const int count = itemCount(id);
    controls_[static_cast<std::size_t>(id)].itemIndex = std::clamp(index, -1, count - 1);
}

void ControlModel::userSetPosition(ControlId id, int position) {
    Control& c = controls_[static_cast<std::size_t>(id)];
    c.position = std::clamp(position, c.min, c.max);
}

void ControlModel::userStepUpDown(ControlId upDown, int direction) {
    const int from = upDownValue(upDown);
    setUpDownPosition(upDown, from + (direction > 0 ? 1 : -1) * at(upDown).step);
}

void ControlModel::userSetBounds(ControlId id, Rect bounds) {
    controls_[static_cast<std::size_t>(id)].bounds = bounds;
}

bool ControlModel::showing(ControlId id) const {
    for (ControlId c = id; c != kNoControl; c = at(c).parent) {
        const Control& control = at(c);
        if (!control.visible) return false;
        if (control.kind == Kind::TabSheet && control.parent != kNoControl &&
            at(control.parent).itemIndex >= 0) {
            const std::vector<ControlId>& pages = children(control.parent);
            const auto active = static_cast<std::size_t>(at(control.parent).itemIndex);
            if (active < pages.size() && pages[active] != c) return false;
        }
    }
    return true;
}

}  // namespace tz::ui
