// The desktop's locale variables, as the environment holds them.
#pragma once

#include <string>

namespace tz {

struct LocaleVariables {
    std::string lcAll;
    std::string lcMessages;
    std::string lang;
};

// LC_ALL, LC_MESSAGES and LANG; an unset variable is empty.
LocaleVariables desktopLocaleVariables();

}  // namespace tz
