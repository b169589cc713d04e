#include <filesystem>

#include "link/port_names.h"

namespace tz::link {

std::vector<std::string> ListSystemPorts() {
    std::vector<std::string> names;
    std::error_code error;
    std::filesystem::directory_iterator it("/dev", error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error))
        names.push_back(it->path().filename().string());
    return OrderSerialDevices(names);
}

}  // namespace tz::link
