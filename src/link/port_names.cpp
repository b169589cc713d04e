#include "link/port_names.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace tz::link {

namespace {

constexpr std::string_view kGroups[] = {"ttyUSB", "ttyACM", "ttyS"};
constexpr int kMaxComPort = 256;

// The number after a group prefix, when the name is the prefix and digits only.
std::optional<int> numberAfter(std::string_view name, std::string_view prefix) {
    if (name.size() <= prefix.size() || name.substr(0, prefix.size()) != prefix) return {};
    int n = 0;
    for (char c : name.substr(prefix.size())) {
        if (c < '0' || c > '9' || n > 100000) return {};
        n = n * 10 + (c - '0');
    }
    return n;
}

}  // namespace

std::vector<std::string> OrderSerialDevices(const std::vector<std::string>& devNames) {
    std::vector<std::string> paths;
    for (std::string_view prefix : kGroups) {
        std::vector<std::pair<int, std::string>> group;
        for (const std::string& name : devNames)
            if (auto n = numberAfter(name, prefix)) group.emplace_back(*n, name);
        std::sort(group.begin(), group.end());
        for (const auto& entry : group) paths.push_back("/dev/" + entry.second);
    }
    return paths;
}

std::vector<std::string> OrderComPorts(const std::vector<std::string>& names) {
    std::vector<std::pair<int, std::string>> ports;
    for (const std::string& name : names)
        if (auto n = numberAfter(name, "COM"); n && *n >= 1 && *n <= kMaxComPort && name[3] != '0')
            ports.emplace_back(*n, name);
    std::sort(ports.begin(), ports.end());
    ports.erase(std::unique(ports.begin(), ports.end()), ports.end());
    std::vector<std::string> ordered;
    for (const auto& port : ports) ordered.push_back(port.second);
    return ordered;
}

std::vector<std::string> PortTable(const char* override, const DeviceLister& listPorts) {
    std::vector<std::string> table;
    if (override != nullptr) {
        std::string_view rest(override);
        while (table.size() < kComPorts) {
            const std::size_t colon = rest.find(':');
            table.emplace_back(rest.substr(0, colon));
            if (colon == std::string_view::npos) break;
            rest.remove_prefix(colon + 1);
        }
        return table;
    }
    table = listPorts();
    if (table.size() > kComPorts) table.resize(kComPorts);
    return table;
}

std::vector<std::string> SystemPortTable() {
    return PortTable(std::getenv(kPortsVariable), ListSystemPorts);
}

}  // namespace tz::link
