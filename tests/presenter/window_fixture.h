// A main window on test doubles, started as the program starts it.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "fake_serial_port.h"
#include "fake_services.h"
#include "presenter/window_presenter.h"
#include "temp_dir.h"

namespace tz::testing {

// The image as the window's bound controls show it: each control's edit
// applied over `image`.
inline Image readBack(const presenter::WindowPresenter& w, Image image) {
    for (const presenter::BoundControl& b : w.binding().bound())
        if (const std::optional<SettingEdit> e = w.binding().editOf(b.control, image))
            applyEdit(image, *e);
    return image;
}

class WindowTest : public ::testing::Test {
  protected:
    // A serial device that opens but never answers.
    WindowTest() { line.device("/dev/ttyUSB0"); }

    // Starts a window with the given command-line arguments.
    presenter::WindowPresenter& start(std::vector<std::string> arguments = {}) {
        window = std::make_unique<presenter::WindowPresenter>(
            presenter::WindowServices{
                settings,
                dialogs,
                keys,
                host,
                printer,
                desktop,
                clock,
                surfaces,
                clipboard,
                numbers,
                dir.file("_TZ_ARKO5_v91.ini"),
                dir.file("test_kodrum.txt"),
                {dir.path()},
                {line.factory(), [this] { return ports; }, dir.path(), [this] { return clockMs(); },
                 restorePoints, [] { return kNow; }},
                portIndexOverride,
                openLogFile,
                &comparisonDialogs,
                &checkDialogs},
            std::move(arguments));
        window->FormCreate();
        return *window;
    }

    ui::ControlModel& controls() { return window->controls(); }
    const ui::Control& control(std::string_view name) { return controls()[name]; }
    ui::ControlId id(std::string_view name) { return controls().id(ui::ControlName{name}); }

    // The user types a value into an up/down's edit box and leaves it.
    void typeInto(std::string_view upDown, int value) {
        const ui::ControlId edit = control(upDown).associate;
        controls().userSetText(edit, std::to_string(value));
        window->editExited(edit);
    }

    // The session's steady clock: the line's ticks.
    std::int64_t clockMs() const {
        return std::int64_t{line.tick} * presenter::WindowPresenter::kTickMs;
    }
    // The time that names the restore points.
    static constexpr DateTime kNow{2026, 12, 10, 4, 30, 0};

    TempDir dir;
    std::string restorePoints = dir.file("restore-points");
    MemorySettings settings;
    ScriptedDialogs dialogs;
    ScriptedComparisonDialogs comparisonDialogs;
    ScriptedCheckDialogs checkDialogs;
    HeldKeys keys;
    FakeHost host;
    RecordingPrinter printer;
    FakeDesktop desktop;
    FixedClock clock;
    RecordedSurfaces surfaces;
    FakeClipboard clipboard;
    ScriptedNumbers numbers;
    link::testing::FakeLine line;
    std::vector<std::string> ports{"/dev/ttyUSB0"};
    // A port given on the command line.
    std::optional<std::uint8_t> portIndexOverride;
    presenter::OpenLogFileFunction openLogFile = logs::OpenLogFile;
    std::unique_ptr<presenter::WindowPresenter> window;
};

}  // namespace tz::testing
