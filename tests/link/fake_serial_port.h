// A scripted serial line for the link tests: named devices that exist or
// not, bytes waiting for the program, the frames it sent, a responder that
// plays the unit, and faults (a device that goes away).
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "link/frame.h"
#include "link/serial_port.h"

namespace tz::link::testing {

struct FakeDevice {
    bool present = true;
    bool busy = false;  // another program holds it
    // The user may not open it (EACCES); it belongs to this group.
    std::optional<std::string> deniedGroup;
    bool gone = false;  // reports that it went away
    std::deque<std::uint8_t> incoming;
    std::vector<Frame> written;
    std::vector<int> writeTicks;  // the tick of each written frame
    int opens = 0;
    // Plays the unit: called with every frame the program writes.
    std::function<void(const Frame&, FakeDevice&)> responder;

    void push(std::span<const std::uint8_t> bytes) {
        incoming.insert(incoming.end(), bytes.begin(), bytes.end());
    }
    std::vector<std::uint8_t> kinds() const {
        std::vector<std::uint8_t> k;
        for (const Frame& f : written) k.push_back(f[0]);
        return k;
    }
};

class FakeLine {
  public:
    FakeDevice& device(const std::string& path) { return devices_[path]; }
    bool has(const std::string& path) const { return devices_.count(path) != 0; }
    // Paths in the order the program tried to open them.
    std::vector<std::string> openAttempts;
    int tick = 0;

    SerialPortFactory factory();

  private:
    std::map<std::string, FakeDevice> devices_;
};

class FakeSerialPort final : public SerialPort {
  public:
    explicit FakeSerialPort(FakeLine& line) : line_(line) {}

    bool open(const std::string& path) override {
        line_.openAttempts.push_back(path);
        failure_ = OpenFailure::Missing;
        if (!line_.has(path) || !line_.device(path).present) return false;
        if (const std::optional<std::string>& group = line_.device(path).deniedGroup) {
            failure_ = OpenFailure::Permission;
            deniedGroup_ = *group;
            return false;
        }
        failure_ = OpenFailure::Busy;
        if (line_.device(path).busy) return false;
        failure_ = OpenFailure::None;
        device_ = &line_.device(path);
        ++device_->opens;
        device_->gone = false;
        return true;
    }
    void close() override { device_ = nullptr; }
    bool isOpen() const override { return device_ != nullptr; }
    std::size_t bytesWaiting() override { return device_ ? device_->incoming.size() : 0; }
    std::size_t read(std::span<std::uint8_t> buffer) override {
        std::size_t n = 0;
        while (device_ && n < buffer.size() && !device_->incoming.empty()) {
            buffer[n++] = device_->incoming.front();
            device_->incoming.pop_front();
        }
        return n;
    }
    bool write(std::span<const std::uint8_t> bytes) override {
        if (!device_ || bytes.size() != kFrameSize) return false;
        Frame frame;
        std::copy(bytes.begin(), bytes.end(), frame.begin());
        device_->written.push_back(frame);
        device_->writeTicks.push_back(line_.tick);
        if (device_->responder) device_->responder(frame, *device_);
        return true;
    }
    void purge() override {
        if (device_) device_->incoming.clear();
    }
    bool deviceGone() const override { return device_ && device_->gone; }
    OpenFailure lastOpenFailure() const override { return failure_; }
    std::string deniedGroup() const override { return deniedGroup_; }

  private:
    FakeLine& line_;
    FakeDevice* device_ = nullptr;
    OpenFailure failure_ = OpenFailure::None;
    std::string deniedGroup_;
};

inline SerialPortFactory FakeLine::factory() {
    return [this] { return std::make_unique<FakeSerialPort>(*this); };
}

}  // namespace tz::link::testing
