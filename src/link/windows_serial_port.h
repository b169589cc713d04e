// The serial port on Windows: a COM port through the Win32 API. A COM port
// opens for one program at a time by itself (it cannot be shared), so no
// lock of the program's own is needed there (device_lock.h is POSIX only).
#pragma once

#include "link/serial_port.h"

namespace tz::link {

class WindowsSerialPort final : public SerialPort {
  public:
    WindowsSerialPort() = default;
    WindowsSerialPort(const WindowsSerialPort&) = delete;
    WindowsSerialPort& operator=(const WindowsSerialPort&) = delete;
    ~WindowsSerialPort() override;

    // `device` is a port name ("COM3", also beyond COM9) or a full device
    // path ("\\.\COM3").
    bool open(const std::string& device) override;
    OpenFailure lastOpenFailure() const override { return failure_; }
    void close() override;
    bool isOpen() const override { return handle_ != nullptr; }
    std::size_t bytesWaiting() override;
    std::size_t read(std::span<std::uint8_t> buffer) override;
    bool write(std::span<const std::uint8_t> bytes) override;
    void purge() override;
    bool deviceGone() const override { return gone_; }

    // A write that cannot hand its bytes over within this time (plus 1 ms
    // a byte) fails, so a stalled device never holds the caller for long.
    static constexpr unsigned kWriteTimeoutMs = 200;

  private:
    void* handle_ = nullptr;  // the port's HANDLE while it is open
    bool gone_ = false;
    OpenFailure failure_ = OpenFailure::None;
};

}  // namespace tz::link
