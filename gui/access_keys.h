// Which control may show which access key, so that every Alt+letter does one
// thing at the first press. Qt cycles the focus through the controls that
// share a mnemonic instead of acting, so:
//  - in the menu bar, and among the items of each menu, the first entry that
//    marks a letter keeps it; a later entry with that letter loses its key;
//  - a button, check box, group box or tab whose letter a menu-bar entry
//    uses loses its key: the menu bar wins.
// An entry or control that loses its key keeps its text, without the mark.
#pragma once

#include <QString>
#include <set>
#include <string_view>

#include "controls/control_model.h"

namespace tz::gui {

// The Alt+letter that a caption marks with "&" ("Čí&st": Alt+S), as Qt
// reads it; 0 for none.
int accessKeyOf(std::string_view caption);

// The caption as Qt text with its access key dropped: the marking "&" goes,
// a doubled "&&" (a shown ampersand) stays.
QString dropAccessKey(std::string_view caption);

class AccessKeys {
  public:
    // Reads the menus' captions; true when an entry lost or regained its key
    // or the menu bar's letters changed, so that every caption must be shown
    // again.
    bool update(const ui::ControlModel& model);

    // Qt text of a menu-bar entry or menu item.
    QString menuText(ui::ControlId entry, std::string_view caption) const;
    // Qt text of any other control's caption.
    QString controlText(std::string_view caption) const;

  private:
    std::set<int> menuBarKeys_;
    std::set<ui::ControlId> withoutKey_;
};

}  // namespace tz::gui
