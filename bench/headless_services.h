// The window's services for measuring its logic headless: a serial line
// whose far end is the simulated unit's model, and services that do nothing
// (or draw into a recording canvas), so that only the logic is measured.
#pragma once

#include <algorithm>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "canvas/recording_canvas.h"
#include "link/serial_port.h"
#include "platform/memory_settings.h"
#include "presenter/window_services.h"
#include "sim/unit_model.h"

namespace tz::bench {

// A serial line whose far end is the unit model, answering at once.
class ModelLine final : public link::SerialPort {
  public:
    ModelLine(sim::UnitModel& unit, const std::int64_t& nowMs) : unit_(unit), now_(nowMs) {}
    bool open(const std::string&) override { return open_ = true; }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    std::size_t bytesWaiting() override { return incoming_.size(); }
    std::size_t read(std::span<std::uint8_t> buffer) override {
        std::size_t n = 0;
        while (n < buffer.size() && !incoming_.empty()) {
            buffer[n++] = incoming_.front();
            incoming_.pop_front();
        }
        return n;
    }
    bool write(std::span<const std::uint8_t> bytes) override {
        link::Frame request{};
        std::copy(bytes.begin(), bytes.end(), request.begin());
        if (auto reply = unit_.answer(request, now_))
            incoming_.insert(incoming_.end(), reply->begin(), reply->end());
        return true;
    }
    void purge() override { incoming_.clear(); }
    bool deviceGone() const override { return false; }

  private:
    sim::UnitModel& unit_;
    const std::int64_t& now_;
    std::deque<std::uint8_t> incoming_;
    bool open_ = false;
};

// The window's services doing nothing: the tick alone is measured, not its
// drawing.
struct NoDialogs : Dialogs {
    void showMessage(std::string_view) override {}
    void showError(std::string_view) override {}
    Answer askYesNoCancel(std::string_view) override { return Answer::Cancel; }
    std::size_t askChoice(std::string_view, const std::vector<std::string>& buttons) override {
        return buttons.size() - 1;
    }
    std::optional<std::string> openFile(const FileDialogRequest&) override { return {}; }
    // A recording goes where nothing is kept, but every row is written.
    std::optional<std::string> saveFile(const FileDialogRequest&) override { return "/dev/null"; }
};
struct NoKeys : Keyboard {
    Modifiers modifiers() const override { return {}; }
};
struct Host : WindowHost {
    void closeWindow() override {}
    int screenWidth() const override { return 1920; }
    int screenHeight() const override { return 1080; }
};
struct NoPrinter : Printer {
    std::optional<std::string> printWindowImage() override { return {}; }
};
struct NoDesktop : Desktop {
    bool openDocument(const std::string&) override { return false; }
    void showAbout(const AboutContent&) override {}
};
struct NoClock : Clock {
    std::string shortDate() const override { return ""; }
    std::string longTime() const override { return ""; }
};
struct NoSurfaces : Surfaces {
    void paint(ui::ControlId, const std::function<void(graphs::Canvas&)>&) override {}
    void movePointer(ui::ControlId, int, int) override {}
};
// Surfaces drawn on as the window draws them, kept as calls.
struct RecordedSurfaces : Surfaces {
    void paint(ui::ControlId, const std::function<void(graphs::Canvas&)>& draw) override {
        graphs::RecordingCanvas canvas(637, 290);
        draw(canvas);
    }
    void movePointer(ui::ControlId, int, int) override {}
};
struct NoClipboard : Clipboard {
    std::string text() const override { return ""; }
    void setText(std::string_view) override {}
};
struct NoNumbers : NumberDialog {
    std::optional<double> askNumber(const NumberRequest&) override { return {}; }
};

// The window's services on a unit model that answers at once, at the time
// `nowMs`; nothing is shown, asked or kept.
struct HeadlessServices {
    HeadlessServices(sim::UnitModel& unit, const std::int64_t& nowMs)
        : unit_(unit), nowMs_(nowMs) {}

    presenter::WindowServices services(Surfaces& drawn) {
        return presenter::WindowServices{
            settings,
            dialogs,
            keys,
            host,
            printer,
            desktop,
            clock,
            drawn,
            clipboard,
            numbers,
            "",
            "",
            {},
            {[this] { return std::make_unique<ModelLine>(unit_, nowMs_); },
             [] { return std::vector<std::string>{"model"}; }, ".", [this] { return nowMs_; }}};
    }

    MemorySettingsStore settings;
    NoDialogs dialogs;
    NoKeys keys;
    Host host;
    NoPrinter printer;
    NoDesktop desktop;
    NoClock clock;
    NoSurfaces surfaces;
    NoClipboard clipboard;
    NoNumbers numbers;

  private:
    sim::UnitModel& unit_;
    const std::int64_t& nowMs_;
};

}  // namespace tz::bench
