#include <windows.h>

#include <algorithm>

#include "logs/log_writer.h"
#include "platform/wide_text.h"

namespace tz::logs {

namespace {

std::error_code lastError() {
    return {static_cast<int>(::GetLastError()), std::system_category()};
}

// Unbuffered: every write goes straight to the operating system.
class WindowsLogFile final : public LogSink {
  public:
    explicit WindowsLogFile(HANDLE file) : file_(file) {}
    ~WindowsLogFile() override { ::CloseHandle(file_); }
    WindowsLogFile(const WindowsLogFile&) = delete;
    WindowsLogFile& operator=(const WindowsLogFile&) = delete;

    std::error_code write(std::string_view bytes) override {
        while (!bytes.empty()) {
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
            DWORD written = 0;
            if (!::WriteFile(file_, bytes.data(), chunk, &written, nullptr)) return lastError();
            if (written == 0) return std::make_error_code(std::errc::io_error);
            bytes.remove_prefix(written);
        }
        return {};
    }

    void truncate(std::uint64_t size) override {
        // At best effort: on a device that has gone, nothing more can be done.
        LARGE_INTEGER position{};
        position.QuadPart = static_cast<LONGLONG>(size);
        if (::SetFilePointerEx(file_, position, nullptr, FILE_BEGIN)) ::SetEndOfFile(file_);
    }

  private:
    HANDLE file_;
};

}  // namespace

std::unique_ptr<LogSink> OpenLogFile(const std::string& path, std::error_code& error) {
    const HANDLE file = ::CreateFileW(wideFromUtf8(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                                      nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = lastError();
        return nullptr;
    }
    error.clear();
    return std::make_unique<WindowsLogFile>(file);
}

}  // namespace tz::logs
