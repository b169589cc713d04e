#include "presenter/log_commands.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "design/control_names.h"
#include "platform/atomic_file.h"
#include "platform/restore_points.h"
#include "platform/utf8_path.h"
#include "texts/live_log_texts.h"

namespace tz::presenter {

namespace {

using texts::fillIn;
using texts::LogText;
using texts::logText;

constexpr ui::ControlName kUnitCommands[] = {
    ctl::MenuRead,     ctl::MenuVerify,    ctl::MenuProgram,    ctl::ButtonRead,
    ctl::BitBtnVerify, ctl::BitBtnProgram, ctl::MenuCompareUnit};

// "h:mm:ss" of a recording.
std::string formatRecordingTime(std::int64_t ms) {
    const std::int64_t s = std::max<std::int64_t>(ms, 0) / 1000;
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", static_cast<long long>(s / 3600),
                  static_cast<long long>(s / 60 % 60), static_cast<long long>(s % 60));
    return text;
}

// With the separator at its end; empty for a bare file name.
std::string directoryOf(const std::string& path) {
    const std::filesystem::path p = pathFromUtf8(path);
    return p.has_parent_path() ? joinPath(utf8FromPath(p.parent_path()), "") : std::string();
}

std::string fileNameOf(const std::string& path) {
    return utf8FromPath(pathFromUtf8(path).filename());
}

LogText problemText(logs::LiveCsvProblem problem) {
    switch (problem) {
        case logs::LiveCsvProblem::NoTimeColumn:
            return LogText::ProblemNoTimeColumn;
        case logs::LiveCsvProblem::RepeatedColumn:
            return LogText::ProblemRepeatedColumn;
        case logs::LiveCsvProblem::ValueCount:
            return LogText::ProblemValueCount;
        case logs::LiveCsvProblem::NotANumber:
            return LogText::ProblemNotANumber;
        case logs::LiveCsvProblem::OutOfRange:
            return LogText::ProblemOutOfRange;
        case logs::LiveCsvProblem::TimeBackwards:
            break;
    }
    return LogText::ProblemTimeBackwards;
}

}  // namespace

std::string defaultLogFileName(std::time_t when) {
    const DateTime t = localDateTime(when);
    char name[64];
    std::snprintf(name, sizeof name, "live-%04d%02d%02d-%02d%02d%02d.csv", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return name;
}

std::string formatLogTime(std::int64_t ms) {
    const std::int64_t tenths = std::max<std::int64_t>(ms, 0) / 100;
    const auto seconds = static_cast<long long>(tenths / 10 % 60);
    const auto minutes = static_cast<long long>(tenths / 600 % 60);
    const auto hours = static_cast<long long>(tenths / 36000);
    const auto tenth = static_cast<long long>(tenths % 10);
    char text[40];
    if (hours > 0)
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld.%lld", hours, minutes, seconds, tenth);
    else
        std::snprintf(text, sizeof text, "%lld:%02lld.%lld", minutes, seconds, tenth);
    return text;
}

std::string describeLogError(const logs::LiveCsvError& error, texts::Language language) {
    const std::string problem =
        fillIn(logText(problemText(error.problem), language), {error.column});
    return fillIn(logText(LogText::CannotReplay, language), {std::to_string(error.line), problem});
}

std::string recordingFailedText(const session::RecordingFailed& failure, texts::Language language) {
    return fillIn(logText(LogText::RecordingFailed, language),
                  {failure.error.message(), std::to_string(failure.rows)});
}

ui::Colour cellShade(std::int64_t ms, std::int64_t longestMs) {
    if (ms <= 0 || longestMs <= 0) return ui::Colour::Window;
    constexpr ui::Colour kShades[] = {ui::Colour::Shade1, ui::Colour::Shade2, ui::Colour::Shade3,
                                      ui::Colour::Shade4};
    const std::int64_t step = (4 * std::min(ms, longestMs) + longestMs - 1) / longestMs;
    return kShades[static_cast<std::size_t>(step - 1)];
}

LogCommands::LogCommands(ui::ControlModel& controls, const design::WindowIndex& index,
                         session::Session& session, SessionView& view, MonitorView& monitor,
                         Captions& captions, Dialogs& dialogs, Clock& clock,
                         OpenLogFileFunction openLogFile, std::function<void()> replayChanged)
    : controls_(controls),
      index_(index),
      session_(session),
      view_(view),
      monitor_(monitor),
      captions_(captions),
      dialogs_(dialogs),
      clock_(clock),
      openLogFile_(std::move(openLogFile)),
      replayChanged_(std::move(replayChanged)),
      statusBar_(controls.id(ctl::StatusBar1)),
      positionBar_(controls.id(ctl::TrackBarReplay)),
      timeLabel_(controls.id(ctl::LabelReplayTime)),
      playButton_(controls.id(ctl::ButtonReplayPlay)) {}

void LogCommands::tell(std::string_view text) {
    dialogs_.showMessage(text);
}

bool LogCommands::clicked(ui::ControlId control) {
    const auto is = [&](ui::ControlName name) { return control == controls_.id(name); };
    if (is(ctl::MenuRecordLive))
        record();
    else if (is(ctl::MenuStopRecording))
        stopRecording();
    else if (is(ctl::MenuReplayLive))
        replay();
    else if (is(ctl::ButtonReplayPlay))
        playOrPause();
    else if (is(ctl::ButtonReplayStop))
        stopReplay();
    else if (is(ctl::MenuCellTime))
        showCellTime(!cellTimeOn_);
    else if (is(ctl::MenuCellTimeReset))
        resetCellTime();
    else
        return false;
    return true;
}

bool LogCommands::checkBoxReleased(ui::ControlId checkBox) {
    if (checkBox != controls_.id(ctl::CheckBoxReplayLoop)) return false;
    session_.setReplayLooping(controls_.checked(checkBox));
    return true;
}

bool LogCommands::comboChanged(ui::ControlId comboBox, int index) {
    if (comboBox != controls_.id(ctl::ComboBoxReplaySpeed)) return false;
    session_.setReplaySpeed(static_cast<logs::ReplaySpeed>(std::clamp(index, 0, 5)));
    return true;
}

bool LogCommands::trackBarChanged(ui::ControlId trackBar, int position) {
    if (trackBar != controls_.id(ctl::TrackBarReplay)) return false;
    view_.apply(session_.seekReplay(std::int64_t{position} * 100));
    if (session_.replaying()) showReplay();
    return true;
}

void LogCommands::tick() {
    showRecording();
    if (session_.replaying()) showReplay();
    shadeCells(false);
}

// ---- Recording

void LogCommands::record() {
    FileDialogRequest request;
    request.fileName = directory_ + defaultLogFileName(clock_.now());
    request.filters = {
        {std::string(logText(LogText::FileFilter, captions_.textLanguage())), "*.csv"}};
    request.defaultExtension = "csv";
    request.confirmOverwrite = true;
    const std::optional<std::string> path = dialogs_.saveFile(request);
    if (!path) return;
    directory_ = directoryOf(*path);
    std::error_code error;
    std::unique_ptr<logs::LogSink> sink = openLogFile_(*path, error);
    if (sink) error = session_.startRecording(std::move(sink));
    if (error)
        tell(fillIn(logText(LogText::CannotCreate, captions_.textLanguage()), {error.message()}));
    showRecording();
}

void LogCommands::stopRecording() {
    session_.stopRecording();
    showRecording();
}

void LogCommands::showRecording() {
    const bool on = session_.recording();
    if (on != recordingShown_) {
        recordingShown_ = on;
        controls_.setEnabled(controls_.id(ctl::MenuRecordLive), !on);
        controls_.setEnabled(controls_.id(ctl::MenuStopRecording), on);
    }
    if (!on) {
        recordingStatus_ = {};
        controls_.setPanelText(statusBar_, 5, "");
        return;
    }
    const std::int64_t ms = session_.recordingMs();
    const Shown now{ms / 1000, session_.recordedRows(), true, captions_.textLanguage()};
    if (now == recordingStatus_) return;
    recordingStatus_ = now;
    controls_.setPanelText(statusBar_, 5,
                           fillIn(logText(LogText::RecordingStatus, now.language),
                                  {formatRecordingTime(ms), std::to_string(now.rows)}));
}

// ---- Replay

void LogCommands::replay() {
    if (!session_.canReplay()) {
        tell(logText(LogText::TransferRunning, captions_.textLanguage()));
        return;
    }
    FileDialogRequest request;
    request.fileName = directory_;
    request.filters = {
        {std::string(logText(LogText::FileFilter, captions_.textLanguage())), "*.csv"},
        {"All Files (*.*)", "*"}};
    request.defaultExtension = "csv";
    if (const std::optional<std::string> path = dialogs_.openFile(request)) replayFile(*path);
}

bool LogCommands::replayFile(const std::string& path) {
    directory_ = directoryOf(path);
    // A log over the limit is refused whole, never cut: by its size before
    // reading it, and by what was read when it grew meanwhile.
    const auto tooLarge = [&] {
        tell(fillIn(logText(LogText::TooLarge, captions_.textLanguage()),
                    {std::to_string(kMaxReplayLogBytes >> 20)}));
        return false;
    };
    std::error_code noSize;
    const std::uintmax_t size = std::filesystem::file_size(path, noSize);
    if (!noSize && size > kMaxReplayLogBytes) return tooLarge();
    const std::optional<std::string> text = readWholeFile(path, kMaxReplayLogBytes + 1);
    if (!text) {
        tell(fillIn(logText(LogText::CannotOpen, captions_.textLanguage()), {path}));
        return false;
    }
    if (text->size() > kMaxReplayLogBytes) return tooLarge();
    logs::ParsedLiveCsv parsed = logs::ParseLiveCsv(*text);
    if (parsed.error) {
        tell(describeLogError(*parsed.error, captions_.textLanguage()));
        return false;
    }
    if (parsed.log.rows.empty()) {
        tell(logText(LogText::NoRows, captions_.textLanguage()));
        return false;
    }
    if (!session_.canReplay()) {
        tell(logText(LogText::TransferRunning, captions_.textLanguage()));
        return false;
    }
    view_.apply(session_.startReplay(std::move(parsed.log)));
    comboChanged(controls_.id(ctl::ComboBoxReplaySpeed),
                 controls_.itemIndex(controls_.id(ctl::ComboBoxReplaySpeed)));
    checkBoxReleased(controls_.id(ctl::CheckBoxReplayLoop));
    replayName_ = fileNameOf(path);
    replayStarted(true);
    showReplay();
    return true;
}

void LogCommands::stopReplay() {
    if (!session_.replaying()) return;
    view_.apply(session_.stopReplay());
    replayStarted(false);
}

void LogCommands::playOrPause() {
    const logs::LogPlayer* player = session_.replay();
    if (player == nullptr) return;
    if (player->playing())
        session_.pauseReplay();
    else
        view_.apply(session_.playReplay());
    showReplay();
}

void LogCommands::replayStarted(bool on) {
    controls_.setVisible(controls_.id(ctl::GroupBoxReplay), on);
    for (ui::ControlName name : kUnitCommands) controls_.setEnabled(controls_.id(name), !on);
    replayChanged_();
    if (!on) return;
    // The log speaks for the unit: no banner while it plays.
    monitor_.showConnection(true);
    controls_.setCaption(controls_.id(ctl::LabelReplayFile), replayName_);
    replayStatus_ = {};
    controls_.setRange(controls_.id(ctl::TrackBarReplay), 0,
                       static_cast<int>(session_.replay()->durationMs() / 100));
}

void LogCommands::showReplay() {
    const logs::LogPlayer& player = *session_.replay();
    const std::int64_t tenths = player.positionMs() / 100;
    const Shown now{tenths, 0, player.playing(), captions_.textLanguage()};
    if (now == replayStatus_) return;
    replayStatus_ = now;
    controls_.setPosition(positionBar_, static_cast<int>(tenths));
    controls_.setCaption(timeLabel_, formatLogTime(player.positionMs()) + " / " +
                                         formatLogTime(player.durationMs()));
    controls_.setCaption(playButton_,
                         logText(now.playing ? LogText::Pause : LogText::Play, now.language));
}

// ---- Time per map cell

void LogCommands::showCellTime(bool on) {
    cellTimeOn_ = on;
    controls_.setChecked(controls_.id(ctl::MenuCellTime), on);
    for (ui::ControlId cell : index_.cellEdits) {
        controls_.setShowHint(cell, on);
        if (!on) controls_.setHint(cell, "");
    }
    if (on) {
        shadeCells(true);
    } else {
        std::array<ui::Colour, kMapRows * kMapColumns> plain;
        plain.fill(ui::Colour::Window);
        monitor_.setCellColours(plain);
    }
}

void LogCommands::resetCellTime() {
    session_.resetCellTime();
    shadeCells(true);
}

// The colours follow the longest time, so all are worked out anew; only the
// tool tips of cells whose time changed are written again.
void LogCommands::shadeCells(bool force) {
    if (!cellTimeOn_) return;
    if (!force && --cellTimeCountdown_ > 0) return;
    cellTimeCountdown_ = kCellTimeTicks;
    if (force || captions_.textLanguage() != shadedLanguage_) shadedMs_.fill(-1);
    shadedLanguage_ = captions_.textLanguage();
    const logs::CellTime& time = session_.cellTime();

    const std::string_view pattern = logText(LogText::CellTime, shadedLanguage_);
    std::array<ui::Colour, kMapRows * kMapColumns> colours;
    for (int r = 0; r < kMapRows; ++r) {
        for (int c = 0; c < kMapColumns; ++c) {
            const auto i = static_cast<std::size_t>(kMapColumns * r + c);
            const std::int64_t ms = time.ms(r, c);
            colours[i] = cellShade(ms, time.longestMs());
            if (ms == shadedMs_[i]) continue;
            shadedMs_[i] = ms;
            char seconds[32];
            std::snprintf(seconds, sizeof seconds, "%.1f", time.seconds(r, c));
            controls_.setHint(index_.cellEdits[i], fillIn(pattern, {seconds}));
        }
    }
    monitor_.setCellColours(colours);
}

}  // namespace tz::presenter
