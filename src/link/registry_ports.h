// The serial ports that a registry key lists as HARDWARE\DEVICEMAP\SERIALCOMM
// does: one string value a port, its data the port name. Windows only.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace tz::link {

inline constexpr const wchar_t* kSerialCommKey = L"HARDWARE\\DEVICEMAP\\SERIALCOMM";

// The string data of the key's values as they are listed; nothing when the
// key is missing. Non-ASCII data is left out: port names are ASCII.
std::vector<std::string> RegistryPortNames(HKEY root, const wchar_t* key);

}  // namespace tz::link
