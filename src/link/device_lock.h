// The program's claim on a serial device: every port of the program, the
// window's and the command line's, opens the device through here and holds
// an advisory lock (flock) on it while it uses it. Unlike TIOCEXCL and lock
// files, the lock also keeps out a second program that runs as root.
// POSIX only: on Windows a COM port opens for one program at a time by
// itself (windows_serial_port.h).
#pragma once

#include <string>

#include "link/serial_port.h"

namespace tz::link {

// Opens the terminal device for reading and writing (non-blocking, not as
// the controlling terminal, closed on exec) and locks it. The descriptor,
// or -1 with the reason in `failure`.
int openLockedDevice(const std::string& device, OpenFailure& failure);

// The name of the group the device belongs to (its number when the group has
// no name; empty when the device cannot be looked at).
std::string deviceGroup(const std::string& device);

}  // namespace tz::link
