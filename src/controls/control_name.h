// The name of a control in the window's design, as a type of its own: the
// logic names controls through constants of this type (design/control_names.h),
// so that a misspelt name does not compile, and the model refuses a name it
// does not hold in every build.
#pragma once

#include <string_view>

namespace tz::ui {

struct ControlName {
    constexpr explicit ControlName(std::string_view name) : text(name) {}
    std::string_view text;
};

}  // namespace tz::ui
