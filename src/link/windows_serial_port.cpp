#include "link/windows_serial_port.h"

#include <windows.h>

#include <algorithm>

#include "link/system_serial_port.h"

namespace tz::link {

namespace {

// The device path CreateFileW needs: "\\.\COM10" for "COM10" (the short
// form only reaches COM1..COM9). Port names are ASCII.
std::wstring devicePath(const std::string& device) {
    std::wstring path = device.starts_with("\\\\") ? L"" : L"\\\\.\\";
    for (const char c : device) path.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
    return path;
}

OpenFailure failureOf(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_DEVICE_NOT_CONNECTED:
            return OpenFailure::Missing;
        case ERROR_ACCESS_DENIED:  // what another program's open port answers
        case ERROR_SHARING_VIOLATION:
            return OpenFailure::Busy;
        default:
            return OpenFailure::Refused;
    }
}

// 57600 baud, 8N1, no flow control of either kind.
bool configureLine(HANDLE port) {
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (!::GetCommState(port, &dcb)) return false;
    dcb.BaudRate = 57600;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.fBinary = TRUE;
    dcb.fParity = FALSE;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fErrorChar = FALSE;
    dcb.fNull = FALSE;
    dcb.fAbortOnError = FALSE;
    if (!::SetCommState(port, &dcb)) return false;
    // Reads return at once with what has arrived; writes give up after
    // their time.
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = MAXDWORD;
    timeouts.ReadTotalTimeoutMultiplier = 0;
    timeouts.ReadTotalTimeoutConstant = 0;
    timeouts.WriteTotalTimeoutMultiplier = 1;
    timeouts.WriteTotalTimeoutConstant = WindowsSerialPort::kWriteTimeoutMs;
    return ::SetCommTimeouts(port, &timeouts) != 0;
}

constexpr DWORD kPurgeAll = PURGE_RXCLEAR | PURGE_TXCLEAR | PURGE_RXABORT | PURGE_TXABORT;

}  // namespace

WindowsSerialPort::~WindowsSerialPort() {
    close();
}

bool WindowsSerialPort::open(const std::string& device) {
    close();
    gone_ = false;
    failure_ = OpenFailure::Missing;
    if (device.empty()) return false;
    // No sharing: the port is this program's until it closes it.
    const HANDLE port = ::CreateFileW(devicePath(device).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (port == INVALID_HANDLE_VALUE) {
        failure_ = failureOf(::GetLastError());
        return false;
    }
    if (!configureLine(port)) {
        failure_ = OpenFailure::Refused;
        ::CloseHandle(port);
        return false;
    }
    ::PurgeComm(port, kPurgeAll);
    failure_ = OpenFailure::None;
    handle_ = port;
    return true;
}

void WindowsSerialPort::close() {
    if (handle_ == nullptr) return;
    ::PurgeComm(handle_, kPurgeAll);
    ::CloseHandle(handle_);
    handle_ = nullptr;
}

std::size_t WindowsSerialPort::bytesWaiting() {
    if (handle_ == nullptr) return 0;
    DWORD errors = 0;
    COMSTAT status{};
    if (!::ClearCommError(handle_, &errors, &status)) {
        gone_ = true;
        return 0;
    }
    return status.cbInQue;
}

std::size_t WindowsSerialPort::read(std::span<std::uint8_t> buffer) {
    if (handle_ == nullptr || buffer.empty()) return 0;
    DWORD n = 0;
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(buffer.size(), 1u << 16));
    if (!::ReadFile(handle_, buffer.data(), want, &n, nullptr)) {
        gone_ = true;
        return 0;
    }
    return n;
}

bool WindowsSerialPort::write(std::span<const std::uint8_t> bytes) {
    if (handle_ == nullptr) return false;
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 16));
        DWORD written = 0;
        if (!::WriteFile(handle_, bytes.data(), chunk, &written, nullptr)) {
            gone_ = true;
            return false;
        }
        if (written == 0) return false;  // the write timed out
        bytes = bytes.subspan(written);
    }
    // Returns once the bytes have left the port.
    return ::FlushFileBuffers(handle_) != 0;
}

void WindowsSerialPort::purge() {
    if (handle_ != nullptr) ::PurgeComm(handle_, kPurgeAll);
}

SerialPortFactory SystemSerialPortFactory() {
    return [] { return std::make_unique<WindowsSerialPort>(); };
}

}  // namespace tz::link
