// Replaying a live-data log in the real window under the offscreen platform,
// in every language: the replay bar, the live labels, the shading of the map
// cells, the Log page's cursor and seek, the silent port and a log that
// cannot be read. With TZ_SCREENSHOT_DIR set, pictures of the replay go
// there.
#include <gtest/gtest.h>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <cstdlib>
#include <fstream>

#include "fake_services.h"
#include "gui/application.h"
#include "gui/control_widgets.h"
#include "gui/screenshot.h"
#include "logs/live_csv.h"
#include "plots/time_plot.h"
#include "presenter/log_view.h"
#include "quiet_device.h"
#include "session_image.h"
#include "shown_window.h"
#include "temp_dir.h"
#include "texts/language.h"
#include "texts/live_log_texts.h"
#include "wait_for.h"

namespace tz::gui {
namespace {

using tz::testing::waitFor;

// Eight seconds of a ride, 50 ms apart: the engine runs up the map and back
// twice while the throttle opens and closes at its own pace. It starts and
// ends at 1500 rpm and never reaches 9000 rpm.
std::string rideLog() {
    const auto triangle = [](int i, int period) {
        return i % period < period / 2 ? i % period : period - i % period;
    };
    std::string text(logs::LiveCsvHeader());
    logs::LiveRowBuffer buffer;
    for (int i = 0; i <= 160; ++i) {
        const int speed = triangle(i, 80);          // 0..40
        const int throttle = triangle(i + 10, 52);  // 0..26
        link::LiveValues v;
        v.rpm = static_cast<std::uint16_t>(1500 + 175 * speed);
        v.throttlePercent = static_cast<std::uint8_t>(throttle * 100 / 26);
        v.throttleMv = static_cast<std::uint16_t>(500 + 150 * throttle);
        v.supplyMv = 13900;
        v.advance = {10 + speed / 2, 10 + speed / 2};
        v.maxAdvance = {32, 32};
        v.servoDesiredMv = static_cast<std::uint16_t>(1200 + 60 * speed);
        v.servoMeasuredMv = static_cast<std::uint16_t>(1170 + 60 * speed);
        v.pickupSignal = {true, true};
        v.running = true;
        v.powerOut = {true, speed > 30, false};
        v.protocolVersion = kProtocolVersion;
        text += logs::FormatLiveRow(50 * i, v, buffer);
    }
    return text;
}

class WindowReplay : public ::testing::TestWithParam<const char*> {
  protected:
    void SetUp() override { ::setenv("TZ_ARKO5_PORTS", device.path().c_str(), 1); }
    void TearDown() override { ::unsetenv("TZ_ARKO5_PORTS"); }

    ApplicationPaths paths() const { return tz::testing::applicationPathsIn(dir); }
    std::string write(const std::string& name, const std::string& text) {
        std::ofstream(dir.file(name), std::ios::binary) << text;
        return dir.file(name);
    }
    void trigger(Application& program, std::string_view item) {
        QAction* action =
            program.binding().action(program.logic().controls().id(ui::ControlName{item}));
        ASSERT_NE(action, nullptr) << item;
        ASSERT_TRUE(action->isEnabled()) << item;
        action->trigger();
    }
    template <class W>
    W* widget(Application& program, std::string_view name) {
        return qobject_cast<W*>(
            program.binding().widget(program.logic().controls().id(ui::ControlName{name})));
    }

    tz::testing::TempDir dir;
    tz::testing::QuietDevice device;
    tz::testing::ScriptedDialogs dialogs;
};

TEST_P(WindowReplay, ALogPlaysInTheWindowWithTheCellsShadedAndThePortSilent) {
    Application program(paths(), {GetParam()}, &dialogs);
    program.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&program.window()));
    presenter::WindowPresenter& logic = program.logic();
    const ui::ControlModel& model = logic.controls();
    const texts::Language language = *texts::languageFromCommandLineWord(GetParam());

    // The advance map with its throttle rows.
    program.window().findChild<QTabWidget*>()->setCurrentIndex(2);
    tz::testing::changeImage(logic.session(), [&](Image& im) { im[field::TPS_MAPA] = 1; });
    logic.edits().commitImage();
    ASSERT_TRUE(waitFor([&] { return device.drain() > 0; }, 3000)) << "the link polls";

    // A log that cannot be read is named by its line.
    dialogs.paths = {write("bad.csv", "time_s,rpm\n0.000,1500\n0.100,lots\n")};
    trigger(program, "MenuReplayLive");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("3"), std::string::npos) << dialogs.messages[0];
    EXPECT_NE(dialogs.messages[0].find("rpm"), std::string::npos) << dialogs.messages[0];
    EXPECT_FALSE(model["GroupBoxReplay"].visible);

    dialogs.paths = {write("ride.csv", rideLog())};
    trigger(program, "MenuReplayLive");
    ASSERT_TRUE(logic.session().replaying());
    EXPECT_EQ(dialogs.openRequests.back().filters[0].pattern, "*.csv");
    program.binding().sync();
    EXPECT_TRUE(widget<QPushButton>(program, "ButtonReplayPlay")->isVisible());
    EXPECT_EQ(model["LabelReplayFile"].caption, "ride.csv");
    EXPECT_EQ(model["LabelRpm"].caption, "RPM = 1500 ");
    EXPECT_FALSE(model["LabelSpojeni"].visible);
    EXPECT_FALSE(model["BitBtnProgram"].enabled);
    // A log holds no servo position: no fault shows.
    EXPECT_EQ(model["LabelPriveraPoz"].colour, ui::Colour::ButtonFace);
    device.drain();

    trigger(program, "MenuCellTime");
    auto* speed = widget<QComboBox>(program, "ComboBoxReplaySpeed");
    speed->setCurrentIndex(5);
    emit speed->activated(5);
    QTest::mouseClick(widget<QPushButton>(program, "ButtonReplayPlay"), Qt::LeftButton);
    EXPECT_TRUE(logic.session().replay()->playing());
    ASSERT_TRUE(waitFor([&] { return !logic.session().replay()->playing(); }, 10000));
    tz::testing::tickWindow(program, presenter::LogCommands::kCellTimeTicks);

    // The last row shows, the engine's eight seconds are in the cells, the
    // longest shaded darkest, and nothing went to the port.
    EXPECT_EQ(model["LabelRpm"].caption, "RPM = 1500 ");
    EXPECT_EQ(logic.session().cellTime().totalMs(), 8000);
    EXPECT_EQ(model["LabelReplayTime"].caption, "0:08.0 / 0:08.0");
    EXPECT_EQ(device.drain(), 0u);
    int darkest = 0;
    for (ui::ControlId cell : logic.index().cellEdits) {
        const ui::Control& c = model.at(cell);
        if (c.colour == ui::Colour::Shade4) ++darkest;
        EXPECT_TRUE(c.showHint);
        auto* edit = qobject_cast<QLineEdit*>(program.binding().widget(cell));
        EXPECT_EQ(edit->toolTip().toStdString(), c.hint);
    }
    EXPECT_GE(darkest, 1);
    // The engine never reached full speed.
    const ui::Control& corner = model.at(logic.index().cellEdits[99]);
    EXPECT_EQ(corner.colour, ui::Colour::Window);
    EXPECT_EQ(corner.hint,
              texts::fillIn(texts::logText(texts::LogText::CellTime, language), {"0.0"}));

    // The Log page: the plot's cursor stands at the replay's position, and a
    // click on the plot seeks there.
    program.window().findChild<QTabWidget*>()->setCurrentIndex(presenter::LogView::kPage);
    tz::testing::tickWindow(program);
    const plots::PlotGeometry& plot = logic.logView().geometry();
    ASSERT_EQ(plot.lanes.size(), 4u);
    QWidget* canvas = program.binding().canvas(model.id(ui::ControlName{"LogPlot"}));
    const auto cursorAt = [&](int x) {
        const QColor c = canvas->grab().toImage().pixelColor(x, plot.traces.top + 3);
        return c.red() > 200 && c.green() < 80 && c.blue() < 80;
    };
    EXPECT_TRUE(cursorAt(plot.axis.x(8000)));
    const int x = plot.axis.x(2000);
    QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(x, plot.traces.top + 20));
    EXPECT_NEAR(static_cast<double>(logic.session().replay()->positionMs()), 2000, 20);
    tz::testing::tickWindow(program);
    EXPECT_TRUE(cursorAt(x));
    EXPECT_FALSE(cursorAt(plot.axis.x(8000)));
    EXPECT_EQ(model["LabelReplayTime"].caption.substr(0, 6), "0:02.0");

    if (const char* directory = std::getenv("TZ_SCREENSHOT_DIR")) {
        QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(plot.axis.x(5300), plot.traces.top));
        tz::testing::tickWindow(program);
        EXPECT_TRUE(
            saveScreenshot(program.window(), QStringLiteral("%1/log_view_%2.png")
                                                 .arg(QString::fromUtf8(directory))
                                                 .arg(QString::fromUtf8(GetParam()).toLower())));
        program.window().findChild<QTabWidget*>()->setCurrentIndex(2);
        logic.trackBarChanged(model.id(ui::ControlName{"TrackBarReplay"}), 37);
        tz::testing::tickWindow(program);
        EXPECT_TRUE(
            saveScreenshot(program.window(), QStringLiteral("%1/replay_%2.png")
                                                 .arg(QString::fromUtf8(directory))
                                                 .arg(QString::fromUtf8(GetParam()).toLower())));
    }

    QTest::mouseClick(widget<QPushButton>(program, "ButtonReplayStop"), Qt::LeftButton);
    program.binding().sync();
    EXPECT_FALSE(logic.session().replaying());
    EXPECT_FALSE(model["GroupBoxReplay"].visible);
    EXPECT_TRUE(model["BitBtnProgram"].enabled);
    EXPECT_TRUE(waitFor([&] { return device.drain() > 0; }, 3000)) << "the link polls again";
    EXPECT_EQ(dialogs.messages.size(), 1u);
    program.window().close();
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, WindowReplay,
                         ::testing::Values("ENGLISH", "DEUTSCH", "FRANCE", "CESKY"));

}  // namespace
}  // namespace tz::gui
