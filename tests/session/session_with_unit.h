// A session on a scripted line whose unit is the simulator's unit model:
// the unit holds settings that differ from the window's.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "fake_serial_port.h"
#include "params/ign_reader.h"
#include "platform/atomic_file.h"
#include "session/session.h"
#include "session_image.h"
#include "sim/unit_model.h"
#include "temp_dir.h"

namespace tz::session::testing {

using link::testing::FakeDevice;
using link::testing::FakeLine;
using Kinds = std::vector<std::uint8_t>;
namespace fs = std::filesystem;

inline const DateTime kNow{2026, 12, 10, 4, 30, 0};
inline const std::string kDevice = "/dev/ttyUSB0";

// Settings a unit may hold: not what the window would repair them to.
inline Image unitPages() {
    Image pages = firstStartState().image;
    pages[field::LIMITER_RPM] = 255;
    pages[advanceCell(2, 7)] = 31;
    return pages;
}

class SessionWithUnit : public ::testing::Test {
  protected:
    SessionWithUnit() {
        sim::UnitConfig config;
        config.stored = unitPages();
        config.savingMs = 0;
        model = std::make_unique<sim::UnitModel>(config);
        device().responder = [this](const link::Frame& request, FakeDevice& d) {
            if (request[0] == unanswered) return;
            if (auto reply = model->answer(request, line.tick * Session::kTickMs)) d.push(*reply);
        };
        tz::testing::setPortIndex(session, 0);
        session.normalise();
        session.resetHistory();
        session.openPort();
        // The window's own settings, which differ from the unit's.
        tz::testing::changeImage(session, [](Image& im) { im[advanceCell(5, 5)] = 20; });
        session.normalise();
    }

    FakeDevice& device() { return line.device(kDevice); }

    // Ticks until the link is idle, with every event of the run.
    Events run(const Events& started) {
        Events all = started;
        for (int i = 0; i < 200; ++i) {
            ++line.tick;
            const Events& events = session.tick();
            all.insert(all.end(), events.begin(), events.end());
            if (!session.link().busy()) break;
        }
        return all;
    }

    std::vector<std::string> files() const {
        std::vector<std::string> names;
        if (!fs::exists(points)) return names;
        for (const auto& e : fs::directory_iterator(points))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    // The image a restore point holds.
    Image pointImage(const std::string& name) const {
        Image image{};
        ReadIgnFile(readWholeFile(points + "/" + name).value_or(""), image);
        return image;
    }

    tz::testing::TempDir dir;
    std::string points = dir.file("restore-points");
    FakeLine line;
    std::unique_ptr<sim::UnitModel> model;
    std::uint8_t unanswered = 0xFF;
    Session session{{line.factory(), [] { return std::vector<std::string>{kDevice}; }, dir.path(),
                     SteadyMilliseconds, points, [] { return kNow; }}};
};

template <typename E>
int count(const Events& events) {
    return static_cast<int>(std::count_if(
        events.begin(), events.end(), [](const Event& e) { return std::holds_alternative<E>(e); }));
}

}  // namespace tz::session::testing
