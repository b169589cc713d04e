// The real serial port of the system the program runs on: termios
// (posix_serial_port.h) or Win32 (windows_serial_port.h).
#pragma once

#include "link/serial_port.h"

namespace tz::link {

SerialPortFactory SystemSerialPortFactory();

}  // namespace tz::link
