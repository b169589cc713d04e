// The simulated unit's end of the line: a pseudo-terminal whose other end
// the program opens as its serial device, optionally reached through a
// symbolic link that stays the same when the terminal is replaced.
#pragma once

#include <string>

namespace tz::sim {

class PtyDevice {
  public:
    PtyDevice() = default;
    PtyDevice(const PtyDevice&) = delete;
    PtyDevice& operator=(const PtyDevice&) = delete;
    ~PtyDevice();

    // A new terminal pair in raw mode; linkPath (when not empty) becomes a
    // symbolic link to its device. False with an error text on failure.
    bool open(const std::string& linkPath, std::string& error);
    // Closes both ends (the program sees a hang-up) and removes the link.
    void close();

    bool isOpen() const { return master_ >= 0; }
    int fd() const { return master_; }
    const std::string& devicePath() const { return devicePath_; }

  private:
    int master_ = -1;
    // The unit keeps the device end open too, so the line does not hang up
    // whenever the program closes and reopens it.
    int holder_ = -1;
    std::string devicePath_;
    std::string linkPath_;
};

}  // namespace tz::sim
