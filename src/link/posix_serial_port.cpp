#include "link/posix_serial_port.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

#include "link/device_lock.h"
#include "link/system_serial_port.h"

namespace tz::link {

namespace {

bool configureLine(int fd) {
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) return false;
    ::cfmakeraw(&tio);
    tio.c_cflag &= ~static_cast<tcflag_t>(CSTOPB | PARENB | CRTSCTS | CSIZE);
    tio.c_cflag |= CS8 | CLOCAL | CREAD;
    tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    if (::cfsetispeed(&tio, B57600) != 0 || ::cfsetospeed(&tio, B57600) != 0) return false;
    return ::tcsetattr(fd, TCSANOW, &tio) == 0;
}

}  // namespace

PosixSerialPort::~PosixSerialPort() {
    close();
}

bool PosixSerialPort::open(const std::string& device) {
    close();
    gone_ = false;
    // Exclusive use: the program's lock keeps out the other programs that
    // take it (also those running as root), TIOCEXCL every other opener.
    const int fd = openLockedDevice(device, failure_);
    deniedGroup_ = failure_ == OpenFailure::Permission ? deviceGroup(device) : std::string();
    if (fd < 0) return false;
    if (::ioctl(fd, TIOCEXCL) != 0 || !configureLine(fd)) {
        failure_ = OpenFailure::Refused;
        ::close(fd);
        return false;
    }
    ::tcflush(fd, TCIOFLUSH);
    fd_ = fd;
    return true;
}

void PosixSerialPort::close() {
    if (fd_ < 0) return;
    ::tcflush(fd_, TCIOFLUSH);
    ::ioctl(fd_, TIOCNXCL);
    ::close(fd_);
    fd_ = -1;
}

std::size_t PosixSerialPort::bytesWaiting() {
    if (fd_ < 0) return 0;
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, 0) < 0 || (p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
        gone_ = true;
        return 0;
    }
    int count = 0;
    if (::ioctl(fd_, FIONREAD, &count) != 0) {
        gone_ = true;
        return 0;
    }
    return count > 0 ? static_cast<std::size_t>(count) : 0;
}

std::size_t PosixSerialPort::read(std::span<std::uint8_t> buffer) {
    if (fd_ < 0 || buffer.empty()) return 0;
    const ssize_t n = ::read(fd_, buffer.data(), buffer.size());
    if (n > 0) return static_cast<std::size_t>(n);
    if (n < 0 && errno != EAGAIN && errno != EINTR) gone_ = true;
    return 0;
}

bool PosixSerialPort::write(std::span<const std::uint8_t> bytes) {
    if (fd_ < 0) return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN) {
            gone_ = true;
            return false;
        }
        pollfd p{fd_, POLLOUT, 0};
        const int ready = ::poll(&p, 1, kWriteTimeoutMs);
        if (ready <= 0) return false;
        if ((p.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
            gone_ = true;
            return false;
        }
    }
    return ::tcdrain(fd_) == 0;
}

void PosixSerialPort::purge() {
    if (fd_ >= 0) ::tcflush(fd_, TCIOFLUSH);
}

SerialPortFactory SystemSerialPortFactory() {
    return [] { return std::make_unique<PosixSerialPort>(); };
}

}  // namespace tz::link
