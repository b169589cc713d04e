// The serial port as the link needs it. Front ends provide the real one
// (termios or the toolkit's port), tests provide scripted doubles.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

namespace tz::link {

// Why a port did not open.
enum class OpenFailure : std::uint8_t {
    None,        // it opened
    Missing,     // no such device (unplugged adapter, wrong path)
    Busy,        // another program has the device open
    Permission,  // the user may not open the device (EACCES, EPERM)
    Refused,     // no serial device, or the line settings were refused
};

class SerialPort {
  public:
    virtual ~SerialPort() = default;

    // Opens an existing device for exclusive reading and writing at 57600
    // baud, 8 data bits, no parity, 1 stop bit and no flow control. False
    // when the device is missing, busy or refuses the settings. The real
    // ports hold the program's lock on the device (device_lock.h).
    virtual bool open(const std::string& device) = 0;
    // Why the last open() failed; only meaningful after it returned false.
    // Ports that cannot tell answer Refused.
    virtual OpenFailure lastOpenFailure() const {
        return isOpen() ? OpenFailure::None : OpenFailure::Refused;
    }
    // After a Permission failure: the group the device belongs to, whose
    // members may open it (empty when not known).
    virtual std::string deniedGroup() const { return {}; }
    // Drops what is still queued and closes; a closed port stays closed.
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // Bytes in the input queue. Pending line errors are cleared, not
    // reported.
    virtual std::size_t bytesWaiting() = 0;
    // Reads at most buffer.size() of the waiting bytes; never waits.
    virtual std::size_t read(std::span<std::uint8_t> buffer) = 0;
    // Hands the bytes over and returns once they have left the port.
    virtual bool write(std::span<const std::uint8_t> bytes) = 0;
    // Drops whatever waits in either direction.
    virtual void purge() = 0;

    // True once the device has gone away or failed (unplugged adapter,
    // hung-up terminal, read errors). The owner then closes the port.
    virtual bool deviceGone() const = 0;
};

// Makes a fresh, closed port; the link makes one for every opening.
using SerialPortFactory = std::function<std::unique_ptr<SerialPort>()>;

}  // namespace tz::link
