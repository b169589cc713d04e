#include "link/port_connection.h"

#include <algorithm>

namespace tz::link {

PortConnection::PortConnection(SerialPortFactory factory, PortTableSource table)
    : factory_(std::move(factory)), table_(std::move(table)) {}

std::string PortConnection::deviceOf(int index) const {
    const std::vector<std::string> table = table_();
    return index >= 0 && static_cast<std::size_t>(index) < table.size()
               ? table[static_cast<std::size_t>(index)]
               : std::string();
}

PortOpened PortConnection::OpenPort(PortChoice& choice) {
    const bool automatic = choice.index == kPortAuto;
    if (!automatic && fixedDevice_.empty()) {
        // A fixed choice is made on the device table of this moment, or on the
        // device it named in an earlier run when that one is present again.
        const std::vector<std::string> table = table_();
        const auto preferred = std::find(table.begin(), table.end(), preferredDevice_);
        if (!preferredDevice_.empty() && preferred != table.end())
            choice.index = static_cast<std::uint8_t>(preferred - table.begin());
        fixedDevice_ = deviceOf(choice.index);
    }
    preferredDevice_.clear();

    PortOpened result;
    result.tried = automatic ? choice.searchIndex : choice.index;
    result.choice = choice.index;
    // A fixed choice keeps its device for the whole run, wherever the device
    // table has moved it.
    device_ = automatic ? deviceOf(result.tried) : fixedDevice_;

    port_ = factory_();
    result.opened = port_->open(device_);
    if (!result.opened) {
        result.failure = port_->lastOpenFailure();
        result.group = port_->deniedGroup();
        port_.reset();
        result.tellUser = !silentReopen_ && !automatic;
    }
    return result;
}

void PortConnection::choose() {
    fixedDevice_.clear();
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
