#include "link/port_names.h"
#include "link/registry_ports.h"

namespace tz::link {

namespace {

// ASCII text of a value's data; empty when it holds anything else.
std::string asciiText(const wchar_t* data, DWORD bytes) {
    std::string text;
    for (DWORD i = 0; i < bytes / sizeof(wchar_t) && data[i] != L'\0'; ++i) {
        if (data[i] > 0x7F) return {};
        text.push_back(static_cast<char>(data[i]));
    }
    return text;
}

}  // namespace

std::vector<std::string> RegistryPortNames(HKEY root, const wchar_t* key) {
    std::vector<std::string> names;
    HKEY opened = nullptr;
    if (::RegOpenKeyExW(root, key, 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) return names;
    for (DWORD index = 0;; ++index) {
        wchar_t valueName[256];
        DWORD nameLength = 256;
        wchar_t data[64];
        DWORD dataBytes = sizeof data;
        DWORD type = 0;
        const LSTATUS status = ::RegEnumValueW(opened, index, valueName, &nameLength, nullptr,
                                               &type, reinterpret_cast<BYTE*>(data), &dataBytes);
        if (status == ERROR_NO_MORE_ITEMS) break;
        if (status != ERROR_SUCCESS || type != REG_SZ) continue;
        if (std::string name = asciiText(data, dataBytes); !name.empty())
            names.push_back(std::move(name));
    }
    ::RegCloseKey(opened);
    return names;
}

std::vector<std::string> ListSystemPorts() {
    return OrderComPorts(RegistryPortNames(HKEY_LOCAL_MACHINE, kSerialCommKey));
}

}  // namespace tz::link
