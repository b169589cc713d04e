#include "link/port_connection.h"

#include <algorithm>

#include "link/link_host.h"
#include "params/normalise.h"

namespace tz::link {

PortConnection::PortConnection(LinkHost& host, SerialPortFactory factory, PortTableSource table)
    : host_(host), factory_(std::move(factory)), table_(std::move(table)) {}

std::string PortConnection::deviceOf(int index) const {
    const std::vector<std::string> table = table_();
    return index >= 0 && static_cast<std::size_t>(index) < table.size()
               ? table[static_cast<std::size_t>(index)]
               : std::string();
}

bool PortConnection::OpenPort() {
    const OutsideSettings& outside = host_.params().outside;
    const bool automatic = outside.portIndex == kPortAuto;
    const int index = automatic ? outside.searchIndex : outside.portIndex;
    const std::string device = deviceOf(index);
    host_.ShowPortLabel("COM= " + (device.empty() ? "COM" + std::to_string(index + 1) : device));

    port_ = factory_();
    const bool opened = port_->open(device);
    if (!opened) {
        port_.reset();
        if (!silentReopen_ && !automatic)
            host_.ShowMessageBox(host_.messages()[texts::Msg::MsgComOpenError]);
    }
    host_.CheckPortMenu(outside.portIndex);
    return opened;
}

void PortConnection::ClosePort() {
    if (!port_) return;
    port_->purge();
    port_->close();
    port_.reset();
}

void PortConnection::closeIfGone() {
    if (port_ && port_->deviceGone()) ClosePort();
}

std::optional<Frame> PortConnection::ReceiveFrame() {
    if (!port_) return std::nullopt;
    std::size_t waiting = port_->bytesWaiting();
    closeIfGone();
    if (!port_ || waiting < kFrameSize) return std::nullopt;

    // Everything waiting is read in buffer-sized pieces; only the first
    // frame of it is looked at.
    std::size_t taken = 0;
    Frame frame{};
    while (waiting > 0) {
        const std::size_t n =
            port_->read(std::span(buffer_).first(std::min(waiting, buffer_.size())));
        if (n == 0) break;
        if (taken < kFrameSize)
            std::copy_n(buffer_.begin(), std::min(n, kFrameSize - taken), frame.begin() + taken);
        taken += n;
        waiting -= std::min(n, waiting);
    }
    closeIfGone();
    if (taken < kFrameSize) return std::nullopt;
    return frame;
}

void PortConnection::Send(const Frame& frame) {
    if (!port_) return;
    port_->write(frame);
    closeIfGone();
}

}  // namespace tz::link
