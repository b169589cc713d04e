// The program's build date and time, fixed when it was compiled.
#pragma once

#include <string>

namespace tz {

// In the compiler's form: "Nov  4 2016" and "14:23:33".
std::string buildDateCompilerForm();
std::string buildTimeText();

}  // namespace tz
