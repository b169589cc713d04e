// Many transfers against the unit model with each kind of fault injected:
// how many succeed and how many report an error, and the two promises that
// must hold whatever happens: no transfer reports success while the unit
// holds other settings than the window, and no read leaves a mixed image.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <random>

#include "fake_serial_port.h"
#include "link/link_cycle.h"
#include "link_recorder.h"
#include "params/param_state.h"
#include "sim/faults.h"
#include "sim/unit_model.h"

namespace tz::link::testing {
namespace {

constexpr int kTickMs = 55;
const std::string kPath = "/dev/ttyUSB0";

struct FaultCase {
    const char* name;
    sim::FaultConfig faults;
    // The unit goes away for this many ticks once the transfer has started.
    int unpluggedTicks = 0;
    std::uint8_t protocol = kProtocolVersion;
};

struct Tally {
    int succeeded = 0;
    int failed = 0;
};

bool samePages(const Image& a, const Image& b) {
    return a == b;
}

// One line with the unit model behind the fault injector; replies travel
// at the tick their delay says.
class FaultyUnit {
  public:
    FaultyUnit(const FaultCase& c, std::uint32_t seed, const Image& stored)
        : faults_([&] {
              sim::FaultConfig f = c.faults;
              f.seed = seed;
              return f;
          }()) {
        sim::UnitConfig config;
        config.stored = stored;
        config.savingMs = 500;
        config.identity.protocol = c.protocol;
        model_ = std::make_unique<sim::UnitModel>(config);
        line.device(kPath).responder = [this](const Frame& request, FakeDevice&) {
            const std::optional<Frame> reply = model_->answer(request, line.tick * kTickMs);
            if (!reply) return;
            for (sim::TimedBytes& piece : faults_.shape(request, *reply))
                pending_.insert({line.tick + static_cast<int>(piece.afterMs / kTickMs),
                                 std::move(piece.bytes)});
        };
    }

    // Delivers what is due at this tick.
    void deliver() {
        FakeDevice& device = line.device(kPath);
        for (auto it = pending_.begin(); it != pending_.end() && it->first <= line.tick;) {
            if (device.present) device.push(it->second);
            it = pending_.erase(it);
        }
    }

    const Image& stored() const { return model_->stored(); }
    FakeLine line;

  private:
    sim::FaultInjector faults_;
    std::unique_ptr<sim::UnitModel> model_;
    std::multimap<int, std::vector<std::uint8_t>> pending_;
};

// Runs one transfer to its end; true when it reported success.
bool runTransfer(FaultyUnit& unit, RecordedLink& link, LinkRecorder& host, const FaultCase& c,
                 LinkState kind) {
    if (kind == LinkState::Programming) link.Program();
    if (kind == LinkState::Verifying) link.Verify();
    if (kind == LinkState::Reading) link.Read();
    FakeDevice& device = unit.line.device(kPath);
    for (int t = 0; t < 400; ++t) {
        ++unit.line.tick;
        if (c.unpluggedTicks > 0 && t == 3) {
            device.present = false;
            device.gone = true;
        }
        if (c.unpluggedTicks > 0 && t == 3 + c.unpluggedTicks) {
            device.present = true;
            device.gone = false;
        }
        unit.deliver();
        link.tick();
        if (host.lineColour == ui::Colour::Red || !host.boxes.empty()) return false;
        if (link.state() == LinkState::Idle && t > 0) return true;
    }
    return false;
}

class FaultSurvival : public ::testing::TestWithParam<FaultCase> {};

TEST_P(FaultSurvival, NoFalseSuccessAndNoMixedImage) {
    const FaultCase& c = GetParam();
    constexpr int kRuns = 60;
    std::map<LinkState, Tally> tally;
    std::mt19937 random(7);
    for (int run = 0; run < kRuns; ++run) {
        // The unit holds settings of its own, in repaired form as any programming
        // run leaves them.
        ParamState unitState = firstStartState();
        for (int k = 100; k < 200; ++k)
            unitState.image[k] = static_cast<std::uint8_t>(random() % 61);
        unitState.normalise();
        const Image unitSettings = unitState.image;
        FaultyUnit unit(c, static_cast<std::uint32_t>(run + 1), unitSettings);
        LinkRecorder host;
        RecordedLink link(host, unit.line.factory(),
                          [] { return std::vector<std::string>{kPath}; });
        link.OpenPort();
        for (int k = 100; k < 200; ++k)
            host.params().image[k] = static_cast<std::uint8_t>(random() % 61);

        const LinkState kind = run % 3 == 0   ? LinkState::Programming
                               : run % 3 == 1 ? LinkState::Verifying
                                              : LinkState::Reading;
        // Half of the verify runs compare settings that do match.
        if (kind == LinkState::Verifying && run % 2 == 0) host.params().image = unitSettings;
        const Image windowBefore = host.params().image;
        const Image unitBefore = unit.stored();
        // A read takes the unit's pages repaired, as the window shows them; a
        // refused one repairs the window's own image.
        ParamState repaired = host.params();
        repaired.image = unitBefore;
        repaired.normalise();
        ParamState windowRepaired = host.params();
        windowRepaired.normalise();
        const bool ok = runTransfer(unit, link, host, c, kind);
        Tally& t = tally[kind];
        (ok ? t.succeeded : t.failed)++;

        if (kind == LinkState::Programming && ok) {
            EXPECT_TRUE(samePages(unit.stored(), host.params().image)) << c.name << " run " << run;
        }
        if (kind == LinkState::Verifying && ok) {
            EXPECT_TRUE(samePages(unitBefore, host.params().image)) << c.name << " run " << run;
        }
        if (kind == LinkState::Reading) {
            const Image& now = host.params().image;
            EXPECT_TRUE(now == windowBefore || now == windowRepaired.image || now == repaired.image)
                << c.name << " run " << run;
            if (ok) {
                EXPECT_EQ(now, repaired.image) << c.name << " run " << run;
            }
        }
    }
    std::printf(
        "%-28s program %2d ok %2d failed | verify %2d ok %2d failed | read %2d ok %2d failed\n",
        c.name, tally[LinkState::Programming].succeeded, tally[LinkState::Programming].failed,
        tally[LinkState::Verifying].succeeded, tally[LinkState::Verifying].failed,
        tally[LinkState::Reading].succeeded, tally[LinkState::Reading].failed);
}

sim::FaultConfig with(int sim::FaultConfig::*field, int value) {
    sim::FaultConfig f;
    f.*field = value;
    return f;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, FaultSurvival,
    ::testing::Values(FaultCase{"none", {}},
                      FaultCase{"drop 10%", with(&sim::FaultConfig::dropPercent, 10)},
                      FaultCase{"drop 30%", with(&sim::FaultConfig::dropPercent, 30)},
                      FaultCase{"drop 60%", with(&sim::FaultConfig::dropPercent, 60)},
                      FaultCase{"corrupt 10%", with(&sim::FaultConfig::corruptPercent, 10)},
                      FaultCase{"corrupt 40%", with(&sim::FaultConfig::corruptPercent, 40)},
                      FaultCase{"delay 30%", with(&sim::FaultConfig::delayPercent, 30)},
                      FaultCase{"delay 80%", with(&sim::FaultConfig::delayPercent, 80)},
                      FaultCase{"garbage 30%", with(&sim::FaultConfig::garbagePercent, 30)},
                      FaultCase{"split 50%", with(&sim::FaultConfig::splitPercent, 50)},
                      FaultCase{"wrong echo page 2", with(&sim::FaultConfig::wrongEchoPage, 2)},
                      FaultCase{"unplugged 10 ticks", {}, 10},
                      FaultCase{"unplugged 40 ticks", {}, 40},
                      FaultCase{"protocol version 85", {}, 0, 85}),
    [](const auto& param) {
        std::string name;
        for (const char* p = param.param.name; *p; ++p)
            if (std::isalnum(static_cast<unsigned char>(*p))) name += *p;
        return name;
    });

void PrintTo(const FaultCase& c, std::ostream* os) {
    *os << c.name;
}

}  // namespace
}  // namespace tz::link::testing
