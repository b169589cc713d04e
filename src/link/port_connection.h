// The one serial port of the program: which device the menu choice names,
// opening and closing it, and moving whole frames through it.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "link/frame.h"
#include "link/link_events.h"
#include "link/serial_port.h"
#include "params/normalise.h"

namespace tz::link {

// The device table of Com 1..Com 30; see port_names.h.
using PortTableSource = std::function<std::vector<std::string>()>;

inline constexpr int kReceiveBufferSize = 10000;

// The port the menu chose: 0..29 a fixed port, kPortAuto the automatic
// search, which tried `searchIndex` last. The program keeps both with its
// outside settings.
struct PortChoice {
    std::uint8_t index = 0;
    std::uint8_t searchIndex = 0;

    bool operator==(const PortChoice&) const = default;
};

class PortConnection {
  public:
    PortConnection(SerialPortFactory factory, PortTableSource table);

    // Opens the port of the choice: a fixed choice opens the device it was
    // made on (the first opening of a choice takes the device the port index
    // names, or the preferred device when the table holds it, moving the port
    // index to it); the automatic search opens the one the search index
    // names. A fixed port that fails to open is for the user to hear of,
    // unless the opening is a silent one.
    PortOpened OpenPort(PortChoice& choice);
    // The user made a new choice: its device is taken at the next opening.
    void choose();
    // The device that a fixed choice made in an earlier run named, for the
    // first opening.
    void setPreferredDevice(std::string device) { preferredDevice_ = std::move(device); }
    // The device of the fixed choice (empty in automatic mode or before the
    // first opening).
    const std::string& fixedDevice() const { return fixedDevice_; }
    void ClosePort();
    bool isOpen() const { return port_ != nullptr && port_->isOpen(); }

    // Reopenings by the watchdog are silent; a choice of the user is not.
    void setSilentReopen(bool silent) { silentReopen_ = silent; }

    // The device of the last opening (empty when its choice has none).
    const std::string& device() const { return device_; }

    // The device table of this moment.
    std::vector<std::string> devices() const { return table_(); }

    // At most one frame per call: nothing while fewer than 102 bytes wait;
    // otherwise everything waiting is read and only its first 102 bytes
    // are returned. A device that has gone away is closed here.
    std::optional<Frame> ReceiveFrame();
    // Writes the frame and waits until it has left; no effect without a port.
    void Send(const Frame& frame);

  private:
    void closeIfGone();
    // The device behind menu item index, empty when there is none.
    std::string deviceOf(int index) const;

    SerialPortFactory factory_;
    PortTableSource table_;
    std::unique_ptr<SerialPort> port_;
    std::string device_;
    std::string fixedDevice_;
    std::string preferredDevice_;
    bool silentReopen_ = false;
    std::array<std::uint8_t, kReceiveBufferSize> buffer_{};
};

}  // namespace tz::link
