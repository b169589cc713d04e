#include "presenter/spoken_names.h"

#include <string>
#include <string_view>

#include "texts/spoken_names.h"

namespace tz::presenter {
namespace {

// A caption as spoken: without access-key marks ("&&" is a plain "&"), line
// breaks as blanks, single-spaced and trimmed.
std::string spoken(std::string_view caption) {
    std::string out;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        char c = caption[i];
        if (c == '&') {
            if (i + 1 >= caption.size() || caption[i + 1] != '&') continue;
            ++i;
        }
        if (c == '\n' || c == '\r' || c == '\t') c = ' ';
        if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
        out.push_back(c);
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

void append(std::string& name, std::string_view part) {
    if (part.empty()) return;
    if (!name.empty()) name.push_back(' ');
    name += part;
}

// Kinds whose caption is what they show as their text, not a value.
bool captionNames(ui::Kind kind) {
    switch (kind) {
        case ui::Kind::Button:
        case ui::Kind::SpeedButton:
        case ui::Kind::CheckBox:
        case ui::Kind::RadioGroup:
            return true;
        default:
            return false;
    }
}

// Kinds that screen readers offer to the user: inputs and buttons.
bool spokenKind(ui::Kind kind) {
    switch (kind) {
        case ui::Kind::Edit:
        case ui::Kind::UpDown:
        case ui::Kind::CheckBox:
        case ui::Kind::RadioGroup:
        case ui::Kind::ComboBox:
        case ui::Kind::Button:
        case ui::Kind::SpeedButton:
        case ui::Kind::SpinButton:
        case ui::Kind::TrackBar:
        case ui::Kind::Canvas:
            return true;
        default:
            return false;
    }
}

std::string nameOf(const ui::ControlModel& controls, const ui::Control& c) {
    std::string name;
    if (!c.nameParts.empty()) {
        for (const ui::NamePart& part : c.nameParts)
            append(name, part.control == ui::kNoControl ? spoken(part.text)
                                                        : spoken(controls.caption(part.control)));
        return name;
    }
    if (captionNames(c.kind)) name = spoken(c.caption);
    if (name.empty()) name = spoken(std::string_view(c.hint).substr(0, c.hint.find('|')));
    return name;
}

// Whether anything a control's name is made of changed after revision since:
// the control itself, the edit box of an up/down, or a control it names by.
bool nameSourcesChanged(const ui::ControlModel& controls, const ui::Control& c,
                        std::uint32_t since) {
    if (c.revision > since) return true;
    if (c.associate != ui::kNoControl && controls.at(c.associate).revision > since) return true;
    const ui::Control& named =
        c.kind == ui::Kind::UpDown && c.associate != ui::kNoControl ? controls.at(c.associate) : c;
    for (const ui::NamePart& part : named.nameParts)
        if (part.control != ui::kNoControl && controls.at(part.control).revision > since)
            return true;
    return false;
}

}  // namespace

void fillSpokenNames(ui::ControlModel& controls, texts::Language language) {
    for (const texts::SpokenNameRow& row : texts::spokenNames()) {
        const ui::ControlId id = controls.id(ui::ControlName{row.target});
        controls.setNameParts(
            id, {{ui::kNoControl, std::string(texts::translated(row.text, language))}});
    }
    refreshSpokenNames(controls, language, 0);
}

void refreshSpokenNames(ui::ControlModel& controls, texts::Language language, std::uint32_t since) {
    const std::string_view increase = texts::translated(texts::increaseWord(), language);
    const std::string_view decrease = texts::translated(texts::decreaseWord(), language);
    for (ui::ControlId id = 0; id < controls.size(); ++id) {
        const ui::Control& c = controls.at(id);
        if (!spokenKind(c.kind) || !nameSourcesChanged(controls, c, since)) continue;
        ui::SpokenName name;
        const bool arrows = c.kind == ui::Kind::UpDown || c.kind == ui::Kind::SpinButton;
        name.name = c.kind == ui::Kind::UpDown && c.associate != ui::kNoControl
                        ? nameOf(controls, controls.at(c.associate))
                        : nameOf(controls, c);
        if (arrows) {
            name.up = std::string(increase);
            append(name.up, name.name);
            name.down = std::string(decrease);
            append(name.down, name.name);
        }
        controls.setSpokenName(id, std::move(name));
    }
}

}  // namespace tz::presenter
