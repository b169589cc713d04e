// The real window, started as the program starts it, under the offscreen
// platform.
#include <gtest/gtest.h>

#include <QAction>
#include <QMainWindow>
#include <QTabWidget>
#include <QTest>
#include <cstdlib>

#include "fake_services.h"
#include "gui/application.h"
#include "gui/control_widgets.h"
#include "params/saved_image.h"
#include "platform/atomic_file.h"
#include "quiet_device.h"
#include "shown_window.h"
#include "temp_dir.h"

namespace tz::gui {
namespace {

class RealWindow : public ::testing::Test {
  protected:
    void SetUp() override { ::setenv("TZ_ARKO5_PORTS", device.path().c_str(), 1); }
    void TearDown() override { ::unsetenv("TZ_ARKO5_PORTS"); }

    ApplicationPaths paths() const { return tz::testing::applicationPathsIn(dir); }
    tz::testing::TempDir dir;
    tz::testing::QuietDevice device;
};

TEST_F(RealWindow, StartsShowsSevenPagesSwitchesLanguageAndSavesOnClose) {
    {
        Application program(paths(), {});
        program.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&program.window()));

        auto* pages = program.window().findChild<QTabWidget*>();
        ASSERT_NE(pages, nullptr);
        ASSERT_EQ(pages->count(), 7);
        EXPECT_EQ(pages->tabText(2), QStringLiteral("Advance Map"));

        const ui::ControlModel& model = program.logic().controls();
        QAction* german = program.binding().action(model.id(ui::ControlName{"MenuGerman"}));
        ASSERT_NE(german, nullptr);
        german->trigger();
        EXPECT_EQ(program.logic().captions().language(), 1);
        EXPECT_EQ(pages->tabText(2), QStringLiteral("Vorzündung Karte"));
        EXPECT_EQ(pages->tabText(6), QStringLiteral("Protokoll"));
        EXPECT_TRUE(german->isChecked());

        program.window().close();
        EXPECT_FALSE(program.window().isVisible());
    }
    const std::string settings = readWholeFile(dir.file("TZ_ARKO5_v91.ini")).value_or("");
    EXPECT_NE(settings.find("Language=1\n"), std::string::npos) << settings;
    EXPECT_NE(settings.find("PageControl1->ActivePageIndex=0\n"), std::string::npos);
    Image saved{};
    EXPECT_EQ(parseSavedImage(readWholeFile(dir.file("_TZ_ARKO5_v91.ini")).value_or(""), saved),
              300);
}

TEST_F(RealWindow, NamesASettingsFolderThatCouldNotBeMadeOnceShown) {
    tz::testing::ScriptedDialogs dialogs;
    ApplicationPaths withProblem = paths();
    withProblem.unmadeFolder = "/read-only/.config";
    Application program(withProblem, {}, &dialogs);
    EXPECT_TRUE(dialogs.errors.empty());
    program.show();
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_EQ(dialogs.errors[0],
              "The settings cannot be saved: this folder could not be made: /read-only/.config");
}

TEST_F(RealWindow, ShortcutsReachTheCommands) {
    Application program(paths(), {});
    program.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&program.window()));
    const ui::ControlModel& model = program.logic().controls();
    EXPECT_FALSE(model["MenuZpet"].enabled);

    // A cell typed into and committed with Enter, then undone with Ctrl+Z.
    program.binding().sync();
    auto* cell = program.binding().widget(model.id(ui::ControlName{"Edit149"}));
    ASSERT_NE(cell, nullptr);
    cell->setFocus();
    QTest::keyClick(cell, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(cell, QStringLiteral("41"));
    QTest::keyClick(cell, Qt::Key_Return);
    EXPECT_EQ(program.logic().session().image()[field::ADVANCE + 99], 41);
    EXPECT_TRUE(model["MenuZpet"].enabled);
    QTest::keyClick(&program.window(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(program.logic().session().image()[field::ADVANCE + 99], 32);
    QTest::keyClick(&program.window(), Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(program.logic().session().image()[field::ADVANCE + 99], 41);

    // The up arrow of the cell's up/down raises it by one degree.
    auto* upDown =
        qobject_cast<ArrowPair*>(program.binding().widget(model.id(ui::ControlName{"UpDown149"})));
    ASSERT_NE(upDown, nullptr);
    QTest::mouseClick(upDown->upButton(), Qt::LeftButton);
    EXPECT_EQ(program.logic().session().image()[field::ADVANCE + 99], 42);
    EXPECT_EQ(model["Edit149"].caption, "42");
    program.window().close();
}

}  // namespace
}  // namespace tz::gui
