#include "gui/qt_serial_port.h"

#include <QSerialPort>

#include <termios.h>
#include <unistd.h>

#include "link/device_lock.h"

namespace tz::gui {

namespace {

// Qt's reason, once the program's lock was had: a permission error then
// means another program's lock file (or TIOCEXCL), not a forbidden device.
link::OpenFailure failureOf(QSerialPort::SerialPortError error) {
    switch (error) {
        case QSerialPort::DeviceNotFoundError:
            return link::OpenFailure::Missing;
        case QSerialPort::PermissionError:
            return link::OpenFailure::Busy;
        default:
            return link::OpenFailure::Refused;
    }
}

}  // namespace

QtSerialPort::QtSerialPort() = default;

QtSerialPort::~QtSerialPort() {
    close();
}

bool QtSerialPort::open(const std::string& device) {
    close();
    gone_ = false;
    lock_ = link::openLockedDevice(device, failure_);
    deniedGroup_ =
        failure_ == link::OpenFailure::Permission ? link::deviceGroup(device) : std::string();
    if (lock_ < 0) return false;
    port_ = std::make_unique<QSerialPort>();
    port_->setPortName(QString::fromStdString(device));
    // QSerialPort opens the device exclusively (a lock file and TIOCEXCL).
    if (!port_->open(QIODevice::ReadWrite)) {
        failure_ = failureOf(port_->error());
        close();
        return false;
    }
    failure_ = link::OpenFailure::Refused;
    const bool configured =
        port_->setBaudRate(QSerialPort::Baud57600) && port_->setDataBits(QSerialPort::Data8) &&
        port_->setParity(QSerialPort::NoParity) && port_->setStopBits(QSerialPort::OneStop) &&
        port_->setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        close();
        return false;
    }
    failure_ = link::OpenFailure::None;
    port_->clear(QSerialPort::AllDirections);
    QObject::connect(port_.get(), &QSerialPort::errorOccurred, port_.get(),
                     [this](QSerialPort::SerialPortError error) {
                         if (error == QSerialPort::ReadError ||
                             error == QSerialPort::ResourceError ||
                             error == QSerialPort::WriteError)
                             deviceFailed();
                     });
    return true;
}

// Closes at once so that no further error is reported; the object itself
// goes when the link drops this port, outside Qt's signal delivery.
void QtSerialPort::deviceFailed() {
    gone_ = true;
    if (!writing_ && port_ && port_->isOpen()) port_->close();
}

void QtSerialPort::close() {
    if (port_ && port_->isOpen()) {
        port_->clear(QSerialPort::AllDirections);
        port_->close();
    }
    port_.reset();
    if (lock_ >= 0) ::close(lock_);
    lock_ = -1;
}

bool QtSerialPort::isOpen() const {
    return port_ && port_->isOpen();
}

std::size_t QtSerialPort::bytesWaiting() {
    if (!isOpen()) return 0;
    port_->clearError();
    const qint64 n = port_->bytesAvailable();
    return n > 0 ? static_cast<std::size_t>(n) : 0;
}

std::size_t QtSerialPort::read(std::span<std::uint8_t> buffer) {
    if (!isOpen() || buffer.empty()) return 0;
    const qint64 n =
        port_->read(reinterpret_cast<char*>(buffer.data()), static_cast<qint64>(buffer.size()));
    return n > 0 ? static_cast<std::size_t>(n) : 0;
}

bool QtSerialPort::write(std::span<const std::uint8_t> bytes) {
    if (!isOpen()) return false;
    writing_ = true;
    const qint64 size = static_cast<qint64>(bytes.size());
    bool sent = port_->write(reinterpret_cast<const char*>(bytes.data()), size) == size;
    while (sent && port_->bytesToWrite() > 0) sent = port_->waitForBytesWritten(kWriteTimeoutMs);
    // Wait until the frame has left the line, as the unit expects.
    if (sent) sent = ::tcdrain(static_cast<int>(port_->handle())) == 0;
    writing_ = false;
    if (gone_) deviceFailed();
    return sent && !gone_;
}

void QtSerialPort::purge() {
    if (isOpen()) port_->clear(QSerialPort::AllDirections);
}

link::SerialPortFactory QtSerialPortFactory() {
    return [] { return std::make_unique<QtSerialPort>(); };
}

}  // namespace tz::gui
