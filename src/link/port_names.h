// Which device stands behind each of the menu choices "Com 1".."Com 30".
//
// Without configuration the choices take the serial ports of the system.
// POSIX: the devices present in /dev in this order: USB adapters
// /dev/ttyUSB0, /dev/ttyUSB1, ..., then /dev/ttyACM0, ..., then the
// built-in ports /dev/ttyS0, ...; within each group by number. Windows: the
// COM ports that the registry lists under HARDWARE\DEVICEMAP\SERIALCOMM,
// COM1..COM256 by number. The list is taken again at every opening, so a
// device plugged in later is found by the next reopening. The environment
// variable TZ_ARKO5_PORTS replaces the list: device paths (or COM port
// names) separated by ':', the first one is Com 1, the second Com 2, and so
// on; an empty entry leaves its choice without a device.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tz::link {

inline constexpr int kComPorts = 30;
inline constexpr const char* kPortsVariable = "TZ_ARKO5_PORTS";

// The serial ports of the system in menu order.
using DeviceLister = std::function<std::vector<std::string>()>;

// The serial devices among the names of /dev, as full paths in menu order.
std::vector<std::string> OrderSerialDevices(const std::vector<std::string>& devNames);

// The COM port names (COM1..COM256) among the names the registry lists, in
// menu order: by number, each once.
std::vector<std::string> OrderComPorts(const std::vector<std::string>& names);

// The device table from the value of TZ_ARKO5_PORTS (null when unset) or,
// without it, from the system's ports. At most 30 entries.
std::vector<std::string> PortTable(const char* override, const DeviceLister& listPorts);

// The serial ports of this system in menu order.
std::vector<std::string> ListSystemPorts();

// The table of this system: TZ_ARKO5_PORTS or its serial ports.
std::vector<std::string> SystemPortTable();

}  // namespace tz::link
