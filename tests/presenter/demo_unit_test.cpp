// The simulated unit as a newcomer meets it: its first-start settings are
// what the window itself programs, so a Read of it verifies.
#include "params/editor_rules.h"
#include "sim/options.h"
#include "unit_fixture.h"

namespace tz {
namespace {

using testing::WindowWithUnit;

Image simulatorSettings(std::vector<std::string> options) {
    std::string error;
    const sim::SimOptions o = sim::ParseOptions(options, error);
    EXPECT_EQ(error, "");
    return o.unit.stored;
}

TEST_F(WindowWithUnit, TheFirstStartUnitReadsAndVerifies) {
    sim::UnitConfig config;
    config.stored = simulatorSettings({});
    presenter::WindowPresenter& w = startWithUnit(config);
    tick(12);
    w.clicked(id("ButtonRead"));
    ASSERT_TRUE(tickUntilIdle());
    EXPECT_EQ(w.messageLine().text(), "Verify:: OK");
    EXPECT_EQ(w.session().image(), model->stored()) << "the window's repair changed nothing";
}

TEST_F(WindowWithUnit, TheFirstStartUnitHoldsWhatTheWindowProgramsByDefault) {
    sim::UnitConfig config;
    config.stored = simulatorSettings({});
    const Image before = config.stored;
    presenter::WindowPresenter& w = startWithUnit(config);
    tick(12);
    w.clicked(id("MenuProgram"));
    ASSERT_TRUE(tickUntilIdle());
    EXPECT_EQ(w.messageLine().text(), "Program device:: OK");
    EXPECT_EQ(model->stored(), before);
}

TEST(DemoUnitSettings, RawPagesKeepTheUnrepairedSettings) {
    EXPECT_EQ(simulatorSettings({"--raw-pages"}), firstStartState().image);
    const Image repaired = simulatorSettings({});
    EXPECT_NE(repaired, firstStartState().image);
    Image shown = repaired;
    ApplyEditorRules(shown);
    EXPECT_EQ(shown, repaired);
}

}  // namespace
}  // namespace tz
