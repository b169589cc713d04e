#include "platform/desktop_locale.h"

#include <cstdlib>

namespace tz {

namespace {
std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}
}  // namespace

LocaleVariables desktopLocaleVariables() {
    return {variable("LC_ALL"), variable("LC_MESSAGES"), variable("LANG")};
}

}  // namespace tz
