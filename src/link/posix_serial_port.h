// The serial port on a POSIX terminal device (termios): serial adapters,
// built-in ports and pseudo-terminals.
#pragma once

#include "link/serial_port.h"

namespace tz::link {

class PosixSerialPort final : public SerialPort {
  public:
    PosixSerialPort() = default;
    PosixSerialPort(const PosixSerialPort&) = delete;
    PosixSerialPort& operator=(const PosixSerialPort&) = delete;
    ~PosixSerialPort() override;

    bool open(const std::string& device) override;
    OpenFailure lastOpenFailure() const override { return failure_; }
    std::string deniedGroup() const override { return deniedGroup_; }
    void close() override;
    bool isOpen() const override { return fd_ >= 0; }
    std::size_t bytesWaiting() override;
    std::size_t read(std::span<std::uint8_t> buffer) override;
    bool write(std::span<const std::uint8_t> bytes) override;
    void purge() override;
    bool deviceGone() const override { return gone_; }

    // A write that cannot hand its bytes over within this time fails, so a
    // stalled device never holds the caller for long.
    static constexpr int kWriteTimeoutMs = 200;

  private:
    int fd_ = -1;
    bool gone_ = false;
    OpenFailure failure_ = OpenFailure::None;
    std::string deniedGroup_;
};

}  // namespace tz::link
