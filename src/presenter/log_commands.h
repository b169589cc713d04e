// Live-data logs in the window: recording the unit's frames into a file
// (Tools menu, status bar panel 5), replaying a log in place of the unit with
// the replay bar (play and pause, speed, position, loop), and the time per
// map cell shown as the cells' shading with the seconds in their tool tips.
// The session does the work; this part asks for files, tells of failures and
// keeps the controls in step at every tick.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <system_error>

#include "controls/control_model.h"
#include "design/window_index.h"
#include "logs/live_csv.h"
#include "logs/log_writer.h"
#include "presenter/captions.h"
#include "presenter/monitor_view.h"
#include "presenter/services.h"
#include "presenter/session_view.h"
#include "session/session.h"

namespace tz::presenter {

// The largest log a replay reads (512 MiB): over a hundred hours of frames.
// Its rows take about as much memory as the file, and reading it takes about
// 2.7 times the file at its peak.
inline constexpr std::size_t kMaxReplayLogBytes = std::size_t{512} << 20;

using OpenLogFileFunction =
    std::function<std::unique_ptr<logs::LogSink>(const std::string&, std::error_code&)>;

// "live-YYYYMMDD-HHMMSS.csv" at that local time.
std::string defaultLogFileName(std::time_t when);
// "m:ss.s", or "h:mm:ss.s" from an hour on.
std::string formatLogTime(std::int64_t ms);
// Why a log cannot be replayed, naming its line, in the language.
std::string describeLogError(const logs::LiveCsvError& error, texts::Language language);
// The message of a recording that stopped because a write failed.
std::string recordingFailedText(const session::RecordingFailed& failure, texts::Language language);
// The shading of cells by their time: none for no time, else four steps of
// the longest time.
ui::Colour cellShade(std::int64_t ms, std::int64_t longestMs);

class LogCommands {
  public:
    // How often the shading and the tool tips follow the sums, in ticks.
    static constexpr int kCellTimeTicks = 18;

    LogCommands(ui::ControlModel& controls, const design::WindowIndex& index,
                session::Session& session, SessionView& view, MonitorView& monitor,
                Captions& captions, Dialogs& dialogs, Clock& clock, OpenLogFileFunction openLogFile,
                std::function<void()> replayChanged);

    // The part's menu items and replay controls; false for other controls.
    bool clicked(ui::ControlId control);
    bool checkBoxReleased(ui::ControlId checkBox);
    bool comboChanged(ui::ControlId comboBox, int index);
    bool trackBarChanged(ui::ControlId trackBar, int position);

    // The recording's status, the replay bar, the shading.
    void tick();

    void record();
    void stopRecording();
    void replay();
    // Opens a log for replay as the menu does after its dialog; false (and
    // a message) when it cannot be replayed.
    bool replayFile(const std::string& path);
    void stopReplay();
    void playOrPause();
    void showCellTime(bool on);
    void resetCellTime();

  private:
    void tell(std::string_view text);
    void showRecording();
    void showReplay();
    void replayStarted(bool on);
    void shadeCells(bool force);

    ui::ControlModel& controls_;
    const design::WindowIndex& index_;
    session::Session& session_;
    SessionView& view_;
    MonitorView& monitor_;
    Captions& captions_;
    Dialogs& dialogs_;
    Clock& clock_;
    OpenLogFileFunction openLogFile_;
    // A replay started or stopped.
    std::function<void()> replayChanged_;

    // The controls written at every tick.
    ui::ControlId statusBar_;
    ui::ControlId positionBar_;
    ui::ControlId timeLabel_;
    ui::ControlId playButton_;

    std::string directory_;  // of the last log chosen
    std::string replayName_;
    bool recordingShown_ = false;
    // What the status panel and the replay bar show, to write them only
    // when it changes.
    struct Shown {
        std::int64_t seconds = -1;
        std::size_t rows = 0;
        bool playing = false;
        texts::Language language = texts::Language::English;
        bool operator==(const Shown&) const = default;
    };
    Shown recordingStatus_;
    Shown replayStatus_;
    bool cellTimeOn_ = false;
    int cellTimeCountdown_ = 0;
    // The milliseconds each cell's tool tip shows (-1: to be written).
    std::array<std::int64_t, kMapRows * kMapColumns> shadedMs_{};
    texts::Language shadedLanguage_ = texts::Language::English;
};

}  // namespace tz::presenter
