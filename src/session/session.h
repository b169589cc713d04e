// The run's state behind a typed interface: the parameter image with its
// repair memory, the undo history, the files, the link to the unit with its
// transfers, automatic programming and live values. It knows no control,
// caption or colour: the window's presenter and the command-line program
// drive it and turn the events it returns into what they show.
//
// Every call that can change what is shown returns the events it caused;
// the returned list stays valid until the next such call.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "editing/history.h"
#include "editing/settings_check.h"
#include "link/link_cycle.h"
#include "link/live_cell.h"
#include "params/ign_reader.h"
#include "params/param_state.h"
#include "platform/local_time.h"
#include "platform/restore_points.h"
#include "session/frame_source.h"
#include "session/live_logs.h"
#include "session/log_replay.h"
#include "session/restore_point_keeper.h"
#include "session/session_events.h"
#include "session/unit_knowledge.h"

namespace tz::session {

// Milliseconds of the system's steady clock.
std::int64_t SteadyMilliseconds();

struct SessionServices {
    // Opens the serial port to the unit.
    link::SerialPortFactory serialPorts;
    // The devices behind the port choices.
    link::PortTableSource portTable = link::SystemPortTable;
    // The program's directory, for the default file "data.ign" (empty: the
    // working directory).
    std::string programDirectory;
    // Milliseconds of a steady clock: the times of recorded rows, the pace
    // of a replay, the time per map cell.
    std::function<std::int64_t()> steadyMs = SteadyMilliseconds;
    // Where restore points are kept (empty: none are written), and the clock
    // that names them (the local time when empty).
    std::string restorePointDirectory = {};
    std::function<DateTime()> clock = {};
    // The local time with its zone that a live-data log starts at.
    std::function<std::string()> timeStamp = currentLocalTimeStamp;
};

enum class OpenStatus : std::uint8_t {
    Opened,
    CannotRead,    // the file could not be read (MsgOpenFileError)
    NoVersionKey,  // no usable version key: nothing was taken
};

struct OpenResult {
    OpenStatus status = OpenStatus::CannotRead;
    // For the user: an older file version, a version key that does not match.
    std::vector<IgnNotice> notices;
    // Keys whose values stopped at a word that is not a number.
    std::vector<IgnValueFault> valueFaults;
    bool empty = false;  // the file holds nothing but blanks
};

// What opening a file would make of the image, without taking it.
struct FileImage {
    OpenResult result;
    Image image{};  // repaired; valid when the file was opened
};

class Session {
  public:
    static constexpr int kTickMs = 55;

    // A first start: BIKE 0 with the default settings, port Com 2, no files.
    explicit Session(SessionServices services);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // ---- The parameter image
    // Only the session writes the image: through the edits below and the
    // file, unit and history calls.
    const Image& image() const { return params_.image; }
    const ParamState& params() const { return params_; }
    // A user's edit: the image takes it and is repaired (ParamState::repair()),
    // then recorded as record() does (which may program the unit). The events
    // start with SettingsChanged.
    Events edit(const SettingEdit& edit);
    Events edit(const CellBlockEdit& edit);
    // A value typed but not yet committed, taken before a command that uses
    // the image: repaired, not recorded.
    Events hold(const CellBlockEdit& edit);
    // Settings taken and the image normalised, not recorded and not reported
    // until a later commit: a graph's intermediate drag position, a
    // command-line edit written to a file at once.
    void stage(const CellBlockEdit& edit);
    // Settings taken as they are, nothing repaired, recorded or reported: the
    // motorcycle type and method that the preset (and maybe the defaults)
    // then build on, committed with them.
    void choose(const CellBlockEdit& edit);
    // Repairs and records the image that open(), newSettings(),
    // takeUnitPages(), applyBikePreset() or loadSavedImage() put in place.
    Events commit();
    // The settings that changed since they were last reported.
    SettingsChanged takeChangedSettings();
    // Brings the image within its rules (NormaliseImage with the memory).
    void normalise() { params_.normalise(); }
    // The editor rules, then the normalisation (ParamState::repair()): the
    // image as the window's editors show it. Programming and verifying
    // repair the image before they send it.
    void repair() { params_.repair(); }
    // Takes the 300 bytes of a saved-image file over the image.
    void loadSavedImage(std::string_view text);
    // The settings kept outside the image: the port choice and the language.
    void setOutsideSettings(const OutsideSettings& outside) { params_.outside = outside; }
    void setLanguage(std::uint8_t language) { params_.outside.language = language; }

    // ---- History and automatic programming
    // Records the image as one undoable step when it changed; with
    // programming after change on, programs the unit (from the second
    // recorded edit on, or at once when the image changed).
    const Events& record();
    // Records the image as one step without programming.
    void pushHistory();
    // Starts the history over with the image as its only step.
    void resetHistory();
    const Events& undo();
    const Events& redo();
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    // The page the user works on; history steps remember it.
    void setActivePage(int page) { activePage_ = page; }
    int activePage() const { return activePage_; }
    // Switching it on starts a new round of the check below.
    void setProgramAfterChange(bool on);
    bool programAfterChange() const { return programAfterChange_; }
    // With limits, programming after change is checked: the first automatic
    // programming since it was switched on whose image has findings is held
    // (changeHeld()) until the user answers; once the user chose to program
    // anyway, the rest of the round goes unasked.
    void checkAutoProgramming(std::optional<editing::CheckLimits> limits) { autoCheck_ = limits; }
    bool changeHeld() const { return changeHeld_; }
    // The user's answer: program the held change (and the rest of the round
    // unasked), or leave it unprogrammed.
    const Events& programHeldChange();
    void dropHeldChange() { changeHeld_ = false; }

    // ---- Files and presets
    // Reads a .ign file into the image and makes it the current file. The
    // image is not repaired or recorded yet: show the notices, then
    // commit() it.
    OpenResult open(const std::string& path);
    // Writes the image (repaired by the caller) with the unit's and the
    // program's trailer; false when the file could not be written.
    bool save(const std::string& path);
    // The default settings (a special setup kept when asked) and no current file.
    void newSettings();
    // The synchronisation preset of the image's motorcycle type.
    void applyBikePreset();
    // Keep a special setup through the next defaults.
    void keepSpecialSetup() { params_.keepSpecial = true; }
    const std::string& fileName() const { return fileName_; }
    const std::string& lastFileName() const { return lastFileName_; }
    const std::string& defaultFilePath() const { return defaultFilePath_; }
    // The file names kept from the previous run.
    void restoreFileNames(std::string current, std::string last);

    // ---- The unit
    const Events& tick();
    // Programs the unit with the image, verifies it, reads it (which also
    // drops the current file name: the image no longer comes from it).
    // Nothing happens while replaying.
    const Events& program();
    const Events& verify();
    const Events& read();
    // 0..29 a fixed port, 30 the automatic search. A fixed choice keeps the
    // device it names now for the rest of the run.
    const Events& choosePort(int index);
    // Before the first opening: the device of the fixed choice of an earlier
    // run, opened again when present (else the port index decides).
    void setPreferredPortDevice(std::string device) { link_.setPreferredDevice(std::move(device)); }
    // The device of the fixed choice (empty for the automatic search).
    const std::string& portDevice() const { return link_.fixedDevice(); }
    const Events& openPort();
    void closePort();
    // Ignored while replaying.
    void pressTestButton(link::TestButton button);

    const link::LinkCycle& link() const { return link_; }
    // The unit's values, or the replayed row's while replaying.
    const link::LiveValues& live() const { return source_->live(); }
    const link::UnitInfo& unit() const { return link_.unitInfo(); }
    bool connected() const { return link_.connected(); }
    // The advance-map cell and servo point the engine runs in now.
    link::LiveCell liveCell(bool tpsRows) const;

    // ---- Live-data logs
    // Records every monitor frame from the unit into `sink` (a file from
    // logs::OpenLogFile, or a stream) in `form`, the first row at 0 s, until stopped or
    // until a write fails (RecordingFailed at that tick). The error when not
    // even the header could be written.
    std::error_code startRecording(std::unique_ptr<logs::LogSink> sink,
                                   logs::LiveCsvForm form = logs::LiveCsvForm::DecimalPoint);
    void stopRecording() { logs_.stopRecording(); }
    bool recording() const { return logs_.recording(); }
    std::size_t recordedRows() const { return logs_.recordedRows(); }
    std::int64_t recordingMs() const { return logs_.recordingMs(services_.steadyMs()); }

    // A replay shows a log in place of the unit: until stopReplay it is the
    // source of the frames and the link is left alone (no polls, nothing
    // sent, no transfers; automatic programming waits for the end), and the
    // log's rows arrive as monitor frames at their times while it plays. It
    // starts paused at the first row. Only when the link is free (no transfer
    // runs) and the log has rows.
    bool canReplay() const { return link_.state() == link::LinkState::Idle; }
    const Events& startReplay(logs::LiveLog log);
    // The link takes over again as before: the unit's last live values come
    // as a monitor frame, or connection lost while it does not answer; then
    // programming that waited starts.
    const Events& stopReplay();
    bool replaying() const { return replay_ != nullptr; }
    // Nothing while not replaying; the calls below do nothing then either.
    const logs::LogPlayer* replay() const { return replay_ ? &replay_->player() : nullptr; }
    const Events& playReplay();
    void pauseReplay();
    const Events& seekReplay(std::int64_t positionMs);
    void setReplaySpeed(logs::ReplaySpeed speed);
    void setReplayLooping(bool looping);

    // The time the engine spent in each map cell, by the live-cell rule,
    // while connected or replaying.
    const logs::CellTime& cellTime() const { return logs_.cellTime(); }
    void resetCellTime() { logs_.resetCellTime(); }

    // ---- Comparisons, backups and restore points
    // Reads the unit's pages for a comparison (LinkCycle::StartFetch): the
    // image stays as it is. When all pages have arrived, a tick's events hold
    // UnitPagesRead and unitPages() has them; a failed read ends as a read
    // does ("Read error!"), with no UnitPagesRead. Nothing while replaying.
    const Events& readUnitForComparison();
    // The unit's pages of the last comparison read, not repaired.
    const Image& unitPages() const { return unitPages_; }
    // Takes the unit's pages of the last comparison read over the image, as
    // a read would (the current file name goes); repair and record it.
    void takeUnitPages();
    // The image that opening the file would give (read over the image and
    // repaired with the window's repair memory); the image stays as it is.
    FileImage imageOfFile(const std::string& path) const;
    // With the backup on, program() first reads the unit's pages and keeps
    // them as a before-program restore point; a failed read ends the run with
    // the read error, a backup that cannot be written ends it with
    // RestorePointKept without a path. Programming after a change does not
    // read first.
    void setBackupBeforeProgram(bool on) { backupBeforeProgram_ = on; }
    bool backupBeforeProgram() const { return backupBeforeProgram_; }
    // Where restore points are kept; empty when none are.
    const std::string& restorePointDirectory() const { return restorePoints_.directory(); }

    // ---- What the unit holds
    // Whether the unit holds the image: known after a successful read,
    // programming run or verify and after the unit's pages were read for a
    // comparison or a backup; not known before, after a programming run that
    // failed once it had sent settings, and once an info page names another
    // unit. A verify that the unit refused voids what was known to be the
    // image.
    const UnitState& unitState() const { return unitKnowledge_.state(params_.image); }
    // The image the unit was last known to hold.
    const std::optional<Image>& unitImage() const { return unitKnowledge_.image(); }

  private:
    // What a running fetch is for.
    enum class FetchPurpose : std::uint8_t { None, Comparison, Backup };

    // The unit through the link as the source of frames: a tick is the
    // link's tick with the session's handling of what it brought, into the
    // session's own image and events.
    class UnitFrames final : public FrameSource {
      public:
        explicit UnitFrames(Session& session) : session_(session) {}
        void tick(std::int64_t nowMs, const Image& image, Events& events) override;
        void resume(const Image& image, Events& events) override;
        const link::LiveValues& live() const override { return session_.link_.live(); }

      private:
        Session& session_;
    };

    const Events& restore(const std::optional<History::Snapshot>& snapshot);
    // The events of a repaired edit: SettingsChanged, then what recording
    // it caused.
    Events recordEdit();
    void startProgramming();
    // A command to the unit's link: clears the events, runs `start` and takes
    // the link's events, unless a replay is the source (nothing happens then).
    template <class Start>
    const Events& unitCommand(Start start);
    void tickUnit(std::int64_t nowMs);
    // Makes `source` the current one; it shows its present values.
    void switchTo(FrameSource& source);
    // Programming after a change, or once the replay has ended.
    void programAfterChange();
    // Takes the link's events of its last call into the session's events: a
    // read's pages go over the image and the read goes on with their verify,
    // a repair the link asks for is made, the port choice is kept.
    void takeLinkEvents();
    void takeReadPages(const Image& pages);
    // The port choice is kept with the outside settings; the link works on it
    // during a call and takeLinkEvents() takes back where it moved it.
    void lendPortChoice();
    // A transfer ended: restore points, the comparison's pages, the
    // programming after a backup, what the unit holds.
    void transferEnded(const link::TransferEnded& ended);
    void transferFailed(const link::TransferEnded& ended);
    void fetched();
    // False when a restore point directory is set and the point could not
    // be written.
    bool keepRestorePoint(RestoreOperation operation, const Image& image);

    SessionServices services_;
    ParamState params_;
    // The image as the settings were last reported (SettingsChanged).
    Image reported_{};
    History history_;
    bool historyChanged_ = false;
    bool armed_ = false;
    int activePage_ = 0;
    bool programAfterChange_ = false;
    std::optional<editing::CheckLimits> autoCheck_;
    bool autoCheckAnswered_ = false;
    bool changeHeld_ = false;
    std::string fileName_;
    std::string lastFileName_;
    std::string defaultFilePath_;
    link::LinkCycle link_;
    LiveLogs logs_;
    UnitFrames unit_{*this};
    std::unique_ptr<LogReplay> replay_;
    // The replay while one runs, else the unit.
    FrameSource* source_ = &unit_;
    bool programPending_ = false;
    Events events_;

    RestorePointKeeper restorePoints_;
    bool backupBeforeProgram_ = false;
    FetchPurpose fetchPurpose_ = FetchPurpose::None;
    Image unitPages_{};
    UnitKnowledge unitKnowledge_;
};

}  // namespace tz::session
