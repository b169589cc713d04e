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
#include "link/serial_port.h"

namespace tz::link {

class LinkHost;

// The device table of Com 1..Com 30; see port_names.h.
using PortTableSource = std::function<std::vector<std::string>()>;

inline constexpr int kReceiveBufferSize = 10000;

class PortConnection {
  public:
    PortConnection(LinkHost& host, SerialPortFactory factory, PortTableSource table);

    // Opens the port that the port index names, or in automatic mode the
    // one the search index names; shows it in LabelCom and checks its menu
    // item. A fixed port that fails to open is reported once in a message
    // box unless the opening is a silent one. Returns false when the port
    // did not open.
    bool OpenPort();
    void ClosePort();
    bool isOpen() const { return port_ != nullptr && port_->isOpen(); }

    // Reopenings by the watchdog are silent; a choice of the user is not.
    void setSilentReopen(bool silent) { silentReopen_ = silent; }

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

    LinkHost& host_;
    SerialPortFactory factory_;
    PortTableSource table_;
    std::unique_ptr<SerialPort> port_;
    bool silentReopen_ = false;
    std::array<std::uint8_t, kReceiveBufferSize> buffer_{};
};

}  // namespace tz::link
