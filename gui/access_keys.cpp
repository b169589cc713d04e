#include "gui/access_keys.h"

#include <QKeySequence>

#include "gui/conversions.h"

namespace tz::gui {

namespace {

bool isMenuEntry(ui::Kind kind) {
    return kind == ui::Kind::Menu || kind == ui::Kind::MenuItem;
}

}  // namespace

int accessKeyOf(std::string_view caption) {
    if (caption.find('&') == std::string_view::npos) return 0;
    const QKeySequence key = QKeySequence::mnemonic(toQString(caption));
    return key.isEmpty() ? 0 : key[0].toCombined();
}

QString dropAccessKey(std::string_view caption) {
    std::string text;
    text.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != '&') {
            text += caption[i];
        } else if (i + 1 < caption.size() && caption[i + 1] == '&') {
            text += "&&";
            ++i;
        }
    }
    return toQString(text);
}

bool AccessKeys::update(const ui::ControlModel& model) {
    std::set<int> barKeys;
    std::set<ui::ControlId> withoutKey;
    for (ui::ControlId id = 0; id < model.size(); ++id) {
        const ui::Control& menu = model.at(id);
        if (menu.kind != ui::Kind::Menu) continue;
        const bool isBar = !menu.popup && (menu.parent == ui::kNoControl ||
                                           model.at(menu.parent).kind != ui::Kind::Menu);
        std::set<int> taken;
        for (const ui::ControlId entry : model.children(id)) {
            const ui::Control& e = model.at(entry);
            if (!isMenuEntry(e.kind) || !e.visible) continue;
            const int key = accessKeyOf(e.caption);
            if (key == 0) continue;
            if (!taken.insert(key).second) withoutKey.insert(entry);
        }
        if (isBar) barKeys = std::move(taken);
    }
    const bool changed = barKeys != menuBarKeys_ || withoutKey != withoutKey_;
    menuBarKeys_ = std::move(barKeys);
    withoutKey_ = std::move(withoutKey);
    return changed;
}

QString AccessKeys::menuText(ui::ControlId entry, std::string_view caption) const {
    return withoutKey_.contains(entry) ? dropAccessKey(caption) : toQString(caption);
}

QString AccessKeys::controlText(std::string_view caption) const {
    const int key = accessKeyOf(caption);
    return key != 0 && menuBarKeys_.contains(key) ? dropAccessKey(caption) : toQString(caption);
}

}  // namespace tz::gui
