#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "logs/log_writer.h"

namespace tz::logs {

namespace {

// Unbuffered: every write goes straight to the operating system.
class PosixLogFile final : public LogSink {
  public:
    explicit PosixLogFile(int fd) : fd_(fd) {}
    ~PosixLogFile() override { ::close(fd_); }
    PosixLogFile(const PosixLogFile&) = delete;
    PosixLogFile& operator=(const PosixLogFile&) = delete;

    std::error_code write(std::string_view bytes) override {
        while (!bytes.empty()) {
            const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) return {errno, std::generic_category()};
            if (n == 0) return std::make_error_code(std::errc::io_error);
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
        return {};
    }

    void truncate(std::uint64_t size) override {
        // At best effort: on a device that has gone, nothing more can be done.
        if (::ftruncate(fd_, static_cast<off_t>(size)) == 0)
            ::lseek(fd_, static_cast<off_t>(size), SEEK_SET);
    }

  private:
    int fd_;
};

}  // namespace

std::unique_ptr<LogSink> OpenLogFile(const std::string& path, std::error_code& error) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        error = {errno, std::generic_category()};
        return nullptr;
    }
    error.clear();
    return std::make_unique<PosixLogFile>(fd);
}

}  // namespace tz::logs
