// A serial device that exists but never answers: a pseudo-terminal whose
// other end nobody reads. Tests point the window's port table at it, so
// that no real serial port of the machine is ever touched and opening the
// port at start-up always succeeds.
#pragma once

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <string>

namespace tz::testing {

class QuietDevice {
  public:
    QuietDevice() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0)
            path_ = ::ptsname(master_);
    }
    ~QuietDevice() {
        if (master_ >= 0) ::close(master_);
    }
    QuietDevice(const QuietDevice&) = delete;
    QuietDevice& operator=(const QuietDevice&) = delete;

    const std::string& path() const { return path_; }

    // Reads away what the program has written to the device since the last
    // call; how many bytes that was.
    std::size_t drain() {
        std::size_t total = 0;
        char buffer[4096];
        const int flags = ::fcntl(master_, F_GETFL);
        ::fcntl(master_, F_SETFL, flags | O_NONBLOCK);
        for (ssize_t n; (n = ::read(master_, buffer, sizeof buffer)) > 0;)
            total += static_cast<std::size_t>(n);
        ::fcntl(master_, F_SETFL, flags);
        return total;
    }

  private:
    int master_ = -1;
    std::string path_;
};

}  // namespace tz::testing
