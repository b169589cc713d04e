// A window whose serial line leads to the simulated unit's model, which
// answers every frame at once at the time of the tick.
#pragma once

#include <memory>

#include "params/param_state.h"
#include "sim/unit_model.h"
#include "window_fixture.h"

namespace tz::testing {

class WindowWithUnit : public WindowTest {
  protected:
    static constexpr const char* kUnitPath = "/dev/ttyUSB0";

    presenter::WindowPresenter& startWithUnit(sim::UnitConfig config = {}) {
        if (config.stored == Image{}) config.stored = firstStartState().image;
        model = std::make_unique<sim::UnitModel>(std::move(config));
        line.device(kUnitPath).responder = [this](const link::Frame& request,
                                                  link::testing::FakeDevice& device) {
            if (auto reply = model->answer(request, now())) device.push(*reply);
        };
        return start();
    }

    std::int64_t now() const { return line.tick * presenter::WindowPresenter::kTickMs; }

    void tick(int n = 1) {
        for (int i = 0; i < n; ++i) {
            ++line.tick;
            window->tick();
        }
    }
    // Ticks until the condition holds; false after the limit.
    template <typename Condition>
    bool tickUntil(Condition done, int limit = 200) {
        for (int i = 0; i < limit; ++i) {
            tick();
            if (done()) return true;
        }
        return false;
    }
    // Ticks until the link's transfer has ended; false after the limit.
    bool tickUntilIdle(int limit = 200) {
        return tickUntil([this] { return !window->session().link().busy(); }, limit);
    }

    std::unique_ptr<sim::UnitModel> model;
};

}  // namespace tz::testing
