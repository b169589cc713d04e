#include "session/session.h"

#include <chrono>
#include <utility>

#include "params/defaults.h"
#include "params/ign_writer.h"
#include "params/saved_image.h"
#include "platform/atomic_file.h"
#include "platform/build_info.h"
#include "platform/utf8_path.h"

namespace tz::session {

namespace {

// The port a first start uses: Com 2.
constexpr std::uint8_t kFirstStartPort = 1;

}  // namespace

std::int64_t SteadyMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

Session::Session(SessionServices services)
    : services_(std::move(services)),
      defaultFilePath_(services_.programDirectory.empty()
                           ? std::string("data.ign")
                           : joinPath(services_.programDirectory, "data.ign")),
      link_(services_.serialPorts, services_.portTable),
      restorePoints_(services_.restorePointDirectory, services_.clock) {
    params_.outside.portIndex = kFirstStartPort;
    params_.image[field::BIKE] = 0;
    ApplyDefaults(params_.image, params_.keepSpecial);
    reported_ = params_.image;
}

void Session::loadSavedImage(std::string_view text) {
    parseSavedImage(text, params_.image);
}

// ---- Edits

Events Session::edit(const SettingEdit& edit) {
    return this->edit(CellBlockEdit{{edit}});
}

Events Session::edit(const CellBlockEdit& edit) {
    choose(edit);
    params_.repair();
    return recordEdit();
}

Events Session::hold(const CellBlockEdit& edit) {
    choose(edit);
    params_.repair();
    return {takeChangedSettings()};
}

void Session::stage(const CellBlockEdit& edit) {
    choose(edit);
    params_.normalise();
}

void Session::choose(const CellBlockEdit& edit) {
    for (const SettingEdit& cell : edit.cells) applyEdit(params_.image, cell);
}

Events Session::commit() {
    params_.repair();
    return recordEdit();
}

Events Session::recordEdit() {
    Events events{takeChangedSettings()};
    const Events& recorded = record();
    events.insert(events.end(), recorded.begin(), recorded.end());
    return events;
}

SettingsChanged Session::takeChangedSettings() {
    SettingsChanged changed{changedSettings(reported_, params_.image)};
    reported_ = params_.image;
    return changed;
}

void Session::takeLinkEvents() {
    bool pagesTaken = false;
    for (const link::LinkEvent& e : link_.events()) {
        std::visit(EventHandlers{
                       [&](const link::PagesRead& read) {
                           takeReadPages(read.pages);
                           pagesTaken = true;
                       },
                       [&](const link::RepairDue&) {
                           params_.normalise();
                           events_.emplace_back(ImageRepaired{});
                       },
                       [&](const auto& event) { events_.emplace_back(event); },
                   },
                   e);
    }
    // The link's openings move the port choice the settings keep.
    const link::PortChoice& choice = link_.portChoice();
    params_.outside.portIndex = choice.index;
    params_.outside.searchIndex = choice.searchIndex;
    if (!pagesTaken) return;
    link_.ContinueRead(params_.image);
    takeLinkEvents();
}

void Session::lendPortChoice() {
    link_.setPortChoice({params_.outside.portIndex, params_.outside.searchIndex});
}

void Session::takeReadPages(const Image& pages) {
    // The verify that follows compares the unit with the repaired pages.
    params_.image = pages;
    params_.normalise();
    events_.emplace_back(ImageRead{});
    // A read is one undoable step of its own; it never programs.
    pushHistory();
}

// ---- History and automatic programming

void Session::pushHistory() {
    historyChanged_ = history_.push(params_.image, activePage_);
}

void Session::resetHistory() {
    history_.reset(params_.image, activePage_);
}

const Events& Session::record() {
    events_.clear();
    pushHistory();
    if (programAfterChange_) {
        if (historyChanged_ || armed_) programAfterChange();
        armed_ = true;
    } else {
        armed_ = false;
    }
    return events_;
}

const Events& Session::undo() {
    return restore(history_.undo());
}

const Events& Session::redo() {
    return restore(history_.redo());
}

const Events& Session::restore(const std::optional<History::Snapshot>& snapshot) {
    events_.clear();
    if (!snapshot) return events_;
    params_.image = snapshot->image;
    events_.emplace_back(takeChangedSettings());
    events_.emplace_back(HistoryRestored{snapshot->page});
    if (programAfterChange_) programAfterChange();
    return events_;
}

void Session::startProgramming() {
    fetchPurpose_ = FetchPurpose::None;
    link_.StartProgramming(params_.image);
    takeLinkEvents();
}

void Session::setProgramAfterChange(bool on) {
    if (on && !programAfterChange_) autoCheckAnswered_ = false;
    programAfterChange_ = on;
}

const Events& Session::programHeldChange() {
    events_.clear();
    autoCheckAnswered_ = true;
    if (std::exchange(changeHeld_, false) && programAfterChange_) programAfterChange();
    return events_;
}

void Session::programAfterChange() {
    if (autoCheck_ && !autoCheckAnswered_ &&
        !editing::checkSettings(params_.image, *autoCheck_).empty()) {
        changeHeld_ = true;
        return;
    }
    if (replay_)
        programPending_ = true;
    else
        startProgramming();
}

// ---- Files and presets

namespace {

void takeReadResult(std::string_view text, IgnReadResult& read, OpenResult& result) {
    result.notices = std::move(read.notices);
    result.valueFaults = std::move(read.valueFaults);
    result.empty = text.find_first_not_of(" \t\r\n\v\f") == std::string_view::npos;
}

}  // namespace

OpenResult Session::open(const std::string& path) {
    OpenResult result;
    const std::optional<std::string> text = readWholeFile(path);
    if (!text) return result;
    IgnReadResult read = ReadIgnFile(*text, params_.image);
    takeReadResult(*text, read, result);
    if (read.version == 0) {
        result.status = OpenStatus::NoVersionKey;
        return result;
    }
    result.status = OpenStatus::Opened;
    fileName_ = path;
    lastFileName_ = path;
    return result;
}

bool Session::save(const std::string& path) {
    const link::UnitInfo& unit = link_.unitInfo();
    const IgnTrailer trailer{unit.date, unit.time, unit.name, buildDateCompilerForm(),
                             buildTimeText()};
    if (!writeFileAtomically(path, WriteIgnFile(params_.image, trailer))) return false;
    fileName_ = path;
    lastFileName_ = path;
    return true;
}

void Session::newSettings() {
    ApplyDefaults(params_.image, params_.keepSpecial);
    fileName_.clear();
}

void Session::applyBikePreset() {
    ApplyBikePreset(params_.image);
}

void Session::restoreFileNames(std::string current, std::string last) {
    fileName_ = std::move(current);
    lastFileName_ = std::move(last);
}

// ---- The unit

const Events& Session::tick() {
    events_.clear();
    source_->tick(services_.steadyMs(), params_.image, events_);
    return events_;
}

void Session::UnitFrames::tick(std::int64_t nowMs, const Image&, Events&) {
    session_.tickUnit(nowMs);
}

void Session::UnitFrames::resume(const Image&, Events& events) {
    session_.logs_.cellTimer().interrupt();
    // The live values are the unit's again: its last ones at once, or none
    // while it does not answer.
    if (session_.connected())
        events.emplace_back(link::MonitorFrame{live(), true});
    else
        events.emplace_back(link::ConnectionLost{true});
}

void Session::tickUnit(std::int64_t now) {
    lendPortChoice();
    link_.tick();
    takeLinkEvents();
    unitKnowledge_.infoPage(link_.unitInfo());
    std::optional<link::TransferEnded> ended;
    const std::size_t taken = events_.size();
    for (std::size_t i = 0; i < taken; ++i) {
        if (const auto* frame = std::get_if<link::MonitorFrame>(&events_[i]))
            logs_.unitFrame(now, frame->live, params_.image, events_);
        else if (const auto* end = std::get_if<link::TransferEnded>(&events_[i]))
            ended = *end;
    }
    // What follows may start another transfer, which replaces the link's
    // events: it comes after they were all taken.
    if (ended) transferEnded(*ended);
}

template <class Start>
const Events& Session::unitCommand(Start start) {
    events_.clear();
    if (replay_) return events_;
    start();
    takeLinkEvents();
    return events_;
}

const Events& Session::program() {
    return unitCommand([this] {
        params_.repair();
        if (backupBeforeProgram_) {
            fetchPurpose_ = FetchPurpose::Backup;
            link_.StartFetch();
        } else {
            fetchPurpose_ = FetchPurpose::None;
            link_.StartProgramming(params_.image);
        }
    });
}

const Events& Session::verify() {
    return unitCommand([this] {
        params_.repair();
        fetchPurpose_ = FetchPurpose::None;
        link_.StartVerify(params_.image);
    });
}

const Events& Session::read() {
    return unitCommand([this] {
        fetchPurpose_ = FetchPurpose::None;
        link_.StartRead();
        fileName_.clear();
    });
}

const Events& Session::choosePort(int index) {
    events_.clear();
    lendPortChoice();
    link_.ChoosePort(index);
    takeLinkEvents();
    return events_;
}

const Events& Session::openPort() {
    events_.clear();
    lendPortChoice();
    link_.OpenPort();
    takeLinkEvents();
    return events_;
}

void Session::closePort() {
    link_.ClosePort();
}

void Session::pressTestButton(link::TestButton button) {
    if (!replay_) link_.PressTestButton(button);
}

link::LiveCell Session::liveCell(bool tpsRows) const {
    return link::HighlightLiveCell(live(), params_.image, tpsRows);
}

// ---- Live-data logs

std::error_code Session::startRecording(std::unique_ptr<logs::LogSink> sink,
                                        logs::LiveCsvForm form) {
    return logs_.startRecording(std::move(sink), services_.steadyMs(), form, services_.timeStamp());
}

void Session::switchTo(FrameSource& source) {
    source_ = &source;
    source_->resume(params_.image, events_);
}

const Events& Session::startReplay(logs::LiveLog log) {
    events_.clear();
    if (!canReplay() || log.rows.empty()) return events_;
    // A replay that runs is replaced; the unit stays left alone.
    source_ = &unit_;
    replay_ = std::make_unique<LogReplay>(std::move(log), services_.steadyMs(), logs_.cellTimer());
    switchTo(*replay_);
    return events_;
}

const Events& Session::stopReplay() {
    events_.clear();
    if (!replay_) return events_;
    switchTo(unit_);
    replay_.reset();
    if (programPending_) {
        programPending_ = false;
        startProgramming();
    }
    return events_;
}

const Events& Session::playReplay() {
    events_.clear();
    if (replay_) replay_->play(services_.steadyMs(), params_.image, events_);
    return events_;
}

void Session::pauseReplay() {
    if (replay_) replay_->pause();
}

const Events& Session::seekReplay(std::int64_t positionMs) {
    events_.clear();
    if (replay_) replay_->seek(positionMs, params_.image, events_);
    return events_;
}

void Session::setReplaySpeed(logs::ReplaySpeed speed) {
    if (replay_) replay_->setSpeed(speed);
}

void Session::setReplayLooping(bool looping) {
    if (replay_) replay_->setLooping(looping);
}

// ---- Comparisons, backups and restore points

const Events& Session::readUnitForComparison() {
    return unitCommand([this] {
        fetchPurpose_ = FetchPurpose::Comparison;
        link_.StartFetch();
    });
}

void Session::takeUnitPages() {
    params_.image = unitPages_;
    fileName_.clear();
}

FileImage Session::imageOfFile(const std::string& path) const {
    FileImage file;
    const std::optional<std::string> text = readWholeFile(path);
    if (!text) return file;
    ParamState opened = params_;
    IgnReadResult read = ReadIgnFile(*text, opened.image);
    takeReadResult(*text, read, file.result);
    if (read.version == 0) {
        file.result.status = OpenStatus::NoVersionKey;
        return file;
    }
    file.result.status = OpenStatus::Opened;
    opened.repair();
    file.image = opened.image;
    return file;
}

void Session::transferEnded(const link::TransferEnded& ended) {
    if (ended.outcome != link::Outcome::Succeeded) {
        transferFailed(ended);
        return;
    }
    switch (ended.operation) {
        case link::Operation::Read:
            keepRestorePoint(RestoreOperation::Read, link_.image());
            break;
        case link::Operation::Program:
            keepRestorePoint(RestoreOperation::Program, link_.image());
            break;
        case link::Operation::Fetch:
            unitKnowledge_.known(link_.fetchedPages(), link_.unitInfo());
            fetched();
            return;
        case link::Operation::Verify:
            break;
    }
    // The run ended with a verify of the image the link sent or read.
    unitKnowledge_.known(link_.image(), link_.unitInfo());
}

void Session::transferFailed(const link::TransferEnded& ended) {
    switch (ended.operation) {
        case link::Operation::Fetch:
            fetchPurpose_ = FetchPurpose::None;
            break;
        case link::Operation::Program:
            // Once a page of settings went out, the unit may hold part of it.
            if (link_.transfer().pageByte != link::kInfoPage) unitKnowledge_.forget();
            break;
        case link::Operation::Verify:
            if (ended.pageRefused) unitKnowledge_.refused(link_.image());
            break;
        case link::Operation::Read:
            break;
    }
}

void Session::fetched() {
    switch (std::exchange(fetchPurpose_, FetchPurpose::None)) {
        case FetchPurpose::Comparison:
            unitPages_ = link_.fetchedPages();
            events_.emplace_back(UnitPagesRead{});
            break;
        case FetchPurpose::Backup:
            // The unit is overwritten only when its settings are kept.
            if (keepRestorePoint(RestoreOperation::BeforeProgram, link_.fetchedPages()))
                startProgramming();
            break;
        case FetchPurpose::None:
            break;
    }
}

bool Session::keepRestorePoint(RestoreOperation operation, const Image& image) {
    if (!restorePoints_.enabled()) return true;
    std::optional<std::string> path = restorePoints_.keep(operation, image, link_.unitInfo());
    const bool written = path.has_value();
    events_.emplace_back(RestorePointKept{operation, std::move(path)});
    return written;
}

}  // namespace tz::session
