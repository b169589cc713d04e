#include "platform/build_info.h"

namespace tz {

std::string buildDateCompilerForm() {
    return __DATE__;
}
std::string buildTimeText() {
    return __TIME__;
}

}  // namespace tz
