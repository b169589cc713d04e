// A link cycle wired to a headless host and a scripted line, with the
// simulator's unit model available to play the unit.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "fake_serial_port.h"
#include "link/link_cycle.h"
#include "link_recorder.h"
#include "sim/unit_model.h"

namespace tz::link::testing {

// A monitor frame from byte values; protocol 91 unless changed.
class MonitorFrame {
  public:
    MonitorFrame() {
        frame_[0] = kMonitorKind;
        frame_[100] = kProtocolVersion;
    }
    MonitorFrame& set(int at, int value) {
        frame_[static_cast<std::size_t>(at)] = static_cast<std::uint8_t>(value);
        return *this;
    }
    MonitorFrame& set16(int at, int value) {
        set(at, value & 0xFF);
        return set(at + 1, value >> 8);
    }
    Frame frame() const {
        Frame f = frame_;
        Seal(f);
        return f;
    }

  private:
    Frame frame_{};
};

// A frame of the unit with this byte 0 and payload.
inline Frame Reply(std::uint8_t kind, std::span<const std::uint8_t> payload) {
    Frame f{};
    f[0] = kind;
    std::copy(payload.begin(), payload.end(), f.begin() + 1);
    Seal(f);
    return f;
}

class LinkFixture : public ::testing::Test {
  protected:
    static constexpr int kTickMs = 55;
    inline static const std::string kUnitPath = "/dev/ttyUSB0";

    LinkFixture() { line.device(kUnitPath); }

    FakeDevice& unit() { return line.device(kUnitPath); }

    // The unit model answers every frame at once, at the time of the tick. By
    // default it holds the first-start settings as a programming run leaves
    // them: repaired.
    void attachUnit(sim::UnitConfig config = {}) {
        if (config.stored == Image{}) {
            ParamState programmed = firstStartState();
            programmed.normalise();
            config.stored = programmed.image;
        }
        model = std::make_unique<sim::UnitModel>(std::move(config));
        unit().responder = [this](const Frame& request, FakeDevice& device) {
            if (auto reply = model->answer(request, line.tick * kTickMs)) device.push(*reply);
        };
    }

    void tick(int n = 1) {
        for (int i = 0; i < n; ++i) {
            ++line.tick;
            cycle.tick();
        }
    }
    // Ticks until the link is idle; false after `limit` ticks.
    bool tickUntilIdle(int limit = 100) {
        for (int i = 0; i < limit; ++i) {
            tick();
            if (cycle.state() == LinkState::Idle) return true;
        }
        return false;
    }

    LinkRecorder host;
    FakeLine line;
    std::vector<std::string> ports{kUnitPath, "/dev/ttyUSB1", "/dev/ttyS0"};
    RecordedLink cycle{host, line.factory(), [this] { return ports; }};
    std::unique_ptr<sim::UnitModel> model;
};

}  // namespace tz::link::testing
