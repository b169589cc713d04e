// The link's serial port made with QSerialPort. A device that reports a
// read or resource error (an unplugged adapter, a hung-up terminal) is
// taken as gone and closed at once: Qt 6.4 on Linux otherwise reports a
// hung-up pseudo-terminal as an endless flood of read errors. The
// program's lock on the device is held on a descriptor of its own, taken
// before Qt changes anything on the device.
#pragma once

#include <memory>

#include "link/serial_port.h"

class QSerialPort;

namespace tz::gui {

class QtSerialPort final : public link::SerialPort {
  public:
    QtSerialPort();
    ~QtSerialPort() override;
    QtSerialPort(const QtSerialPort&) = delete;
    QtSerialPort& operator=(const QtSerialPort&) = delete;

    // The device is a path such as "/dev/ttyUSB0".
    bool open(const std::string& device) override;
    link::OpenFailure lastOpenFailure() const override { return failure_; }
    std::string deniedGroup() const override { return deniedGroup_; }
    void close() override;
    bool isOpen() const override;
    std::size_t bytesWaiting() override;
    std::size_t read(std::span<std::uint8_t> buffer) override;
    bool write(std::span<const std::uint8_t> bytes) override;
    void purge() override;
    bool deviceGone() const override { return gone_; }

    // The longest a write waits for its bytes to leave.
    static constexpr int kWriteTimeoutMs = 200;

  private:
    void deviceFailed();

    std::unique_ptr<QSerialPort> port_;
    int lock_ = -1;  // the descriptor that holds the lock
    bool gone_ = false;
    link::OpenFailure failure_ = link::OpenFailure::None;
    std::string deniedGroup_;
    bool writing_ = false;
};

link::SerialPortFactory QtSerialPortFactory();

}  // namespace tz::gui
