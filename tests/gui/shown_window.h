// The real window in tests: its files in a temporary folder, and a fixture
// that shows it active on a serial device that never answers.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <memory>

#include "gui/application.h"
#include "quiet_device.h"
#include "scoped_env.h"
#include "temp_dir.h"

namespace tz::testing {

// The settings, saved image, test-mode marker and manuals of a window, all
// in dir under the program's usual names.
inline gui::ApplicationPaths applicationPathsIn(const TempDir& dir) {
    return {dir.file("TZ_ARKO5_v91.ini"),
            dir.file("_TZ_ARKO5_v91.ini"),
            dir.file("test_kodrum.txt"),
            dir.path(),
            {dir.path()}};
}

class ShownWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        program =
            std::make_unique<gui::Application>(applicationPathsIn(dir), std::vector<std::string>{});
        program->show();
        program->window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&program->window()));
    }
    void TearDown() override {
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        program.reset();
    }

    TempDir dir;
    QuietDevice device;
    ScopedEnv ports{"TZ_ARKO5_PORTS", device.path().c_str()};
    std::unique_ptr<gui::Application> program;
};

}  // namespace tz::testing
