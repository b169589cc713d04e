// A serial device that exists but never answers: a pseudo-terminal whose
// other end nobody reads. Tests point the window's port table at it, so
// that no real serial port of the machine is ever touched and opening the
// port at start-up always succeeds.
#pragma once

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

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

  private:
    int master_ = -1;
    std::string path_;
};

}  // namespace tz::testing
