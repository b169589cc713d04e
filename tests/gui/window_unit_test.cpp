// The real window against the simulated unit on a pseudo-terminal, under the
// offscreen platform.
#include <gtest/gtest.h>
#include <QAction>
#include <QMainWindow>
#include <QTest>

#include <cstdlib>

#include "gui/application.h"
#include "shown_window.h"
#include "simulator_process.h"
#include "temp_dir.h"
#include "wait_for.h"

namespace tz::gui {
namespace {

using tz::testing::waitFor;

class WindowAndUnit : public ::testing::Test {
  protected:
    void SetUp() override { ::setenv("TZ_ARKO5_PORTS", port().c_str(), 1); }
    void TearDown() override { ::unsetenv("TZ_ARKO5_PORTS"); }

    ApplicationPaths paths() const { return tz::testing::applicationPathsIn(dir); }
    std::string port() const { return dir.file("unit"); }

    tz::testing::TempDir dir;
};

TEST_F(WindowAndUnit, ProgramWithF9ReadAndTheBannerFollowingTheUnit) {
    auto unit = std::make_unique<tz::testing::Simulator>(
        TZ_SIM_PATH, port(), std::vector<std::string>{"--saving-ms", "1000"});
    Application program(paths(), {});
    program.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&program.window()));
    presenter::WindowPresenter& logic = program.logic();
    const ui::ControlModel& model = logic.controls();
    ASSERT_TRUE(waitFor([&] { return logic.session().connected(); }, 3000));
    EXPECT_FALSE(model["LabelSpojeni"].visible);

    QTest::keyClick(&program.window(), Qt::Key_F9);
    EXPECT_TRUE(waitFor(
        [&] {
            return model["LabelHlaseni"].caption == "Program device:: OK" &&
                   logic.session().link().live().savingCountdown == 0 &&
                   logic.session().link().state() == link::LinkState::Idle;
        },
        8000))
        << model["LabelHlaseni"].caption;

    QTest::keyClick(&program.window(), Qt::Key_F7);
    EXPECT_TRUE(waitFor([&] { return model["LabelHlaseni"].caption == "Verify:: OK"; }, 5000))
        << model["LabelHlaseni"].caption;
    EXPECT_EQ(model["LabelVerze1"].caption, "TZA05");

    unit.reset();
    EXPECT_TRUE(waitFor([&] { return model["LabelSpojeni"].visible; }, 3000));
    unit =
        std::make_unique<tz::testing::Simulator>(TZ_SIM_PATH, port(), std::vector<std::string>{});
    EXPECT_TRUE(waitFor([&] { return !model["LabelSpojeni"].visible; }, 6000));
    program.window().close();
}

}  // namespace
}  // namespace tz::gui
