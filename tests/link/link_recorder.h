// A link cycle driven as the window drives it, with a recorder of what it
// reports, kept as the window would show it: the message line with its
// colour and countdown, the progress gauge, boxes, the not-connected banner,
// the port label and the checked port.
#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "controls/control.h"
#include "link/link_cycle.h"
#include "session/reports.h"

namespace tz::link::testing {

class LinkRecorder {
  public:
    // The window's image is the first-start one after its first edit: repaired.
    LinkRecorder() : params_(firstStartState()) {
        params_.normalise();
        messages_.fillMessages(texts::Language::English);
        messages_.fillCaptionEntries(texts::Language::English);
    }

    ParamState& params() { return params_; }

    void record(const LinkEvents& events, const std::string& device) {
        for (const LinkEvent& e : events) std::visit([&](const auto& x) { on(x, device); }, e);
    }
    // The message line's step of a tick: shown while its countdown runs.
    void tickLine() {
        if (lineCountdown > 0) {
            --lineCountdown;
            lineVisible = true;
            return;
        }
        lineVisible = false;
        progressVisible = false;
    }

    ParamState params_;
    texts::MessageCatalogue messages_;
    int normalisedAndShown = 0;
    int imagesRead = 0;
    std::string line;
    ui::Colour lineColour = ui::Colour::ButtonFace;
    int lineCountdown = 0;
    bool lineVisible = false;
    int progressMax = 3;
    int progressPosition = 0;
    std::vector<int> progressPositions;
    bool progressVisible = false;
    std::vector<std::string> boxes;
    bool banner = false;
    std::string portLabel;
    int checkedPort = -1;
    LiveValues live;
    int monitorFrames = 0;
    int layoutRefreshes = 0;
    int connectionsLost = 0;
    std::vector<TransferEnded> endings;

  private:
    void on(const ReportShown& e, const std::string&) {
        line = session::reportLine(e.report, messages_);
        lineColour = session::reportText(e.report).error ? ui::Colour::Red : ui::Colour::ButtonFace;
        lineCountdown = 200;
        lineVisible = true;
    }
    void on(const ProgrammingDone&, const std::string&) {
        line = session::programmingDoneLine(messages_);
    }
    void on(const ReportCleared&, const std::string&) { lineCountdown = 0; }
    void on(const ProgressChanged& e, const std::string&) {
        progressMax = e.maximum;
        progressPosition = e.position;
        progressPositions.push_back(e.position);
    }
    void on(const ProgressShown&, const std::string&) { progressVisible = true; }
    void on(const TransferEnded& e, const std::string&) {
        endings.push_back(e);
        if (e.outcome == Outcome::VersionMismatch)
            boxes.push_back(session::versionMismatchLine(messages_, e.unitVersion));
    }
    void on(const PortOpened& e, const std::string& device) {
        portLabel = "COM= " + (device.empty() ? "COM" + std::to_string(e.tried + 1) : device);
        if (e.tellUser) boxes.push_back(messages_[texts::Msg::MsgComOpenError]);
        checkedPort = e.choice;
    }
    void on(const RepairDue&, const std::string&) {
        params_.normalise();
        ++normalisedAndShown;
    }
    void on(const PagesRead& e, const std::string&) {
        params_.image = e.pages;
        params_.normalise();
        ++imagesRead;
    }
    void on(const ConnectionLost& e, const std::string&) {
        ++connectionsLost;
        live = {};
        if (e.runningChanged) ++layoutRefreshes;
    }
    void on(const MonitorFrame& e, const std::string&) {
        live = e.live;
        ++monitorFrames;
        if (e.runningChanged) ++layoutRefreshes;
    }
};

// The link cycle driven as the window drives it: every call's events go to
// the recorder, which takes a read's pages and repairs as the window does and
// keeps the port choice with its outside settings; each tick steps the
// message line and the banner.
class RecordedLink {
  public:
    RecordedLink(LinkRecorder& host, SerialPortFactory factory, PortTableSource table)
        : host_(host), cycle_(std::move(factory), std::move(table)) {}

    void tick() {
        lendChoice();
        cycle_.tick();
        take();
        host_.tickLine();
        host_.banner = !cycle_.answeringAtLastTick();
    }
    void Program() { StartProgramming(); }
    void Verify() {
        cycle_.StartVerify(host_.params().image);
        take();
    }
    void Read() {
        cycle_.StartRead();
        take();
    }
    void Fetch() {
        cycle_.StartFetch();
        take();
    }
    void StartProgramming() {
        cycle_.StartProgramming(host_.params().image);
        take();
    }
    void OpenPort() {
        lendChoice();
        cycle_.OpenPort();
        take();
    }
    void ClosePort() { cycle_.ClosePort(); }
    void ChoosePort(int index) {
        lendChoice();
        cycle_.ChoosePort(index);
        take();
    }
    void PressTestButton(TestButton button) { cycle_.PressTestButton(button); }
    void setPreferredDevice(std::string device) { cycle_.setPreferredDevice(std::move(device)); }

    LinkState state() const { return cycle_.state(); }
    const Transfer& transfer() const { return cycle_.transfer(); }
    bool connected() const { return cycle_.connected(); }
    bool portOpen() const { return cycle_.portOpen(); }
    const LiveValues& live() const { return cycle_.live(); }
    std::uint64_t monitorFrames() const { return cycle_.monitorFrames(); }
    const UnitInfo& unitInfo() const { return cycle_.unitInfo(); }
    std::vector<std::string> portDevices() const { return cycle_.portDevices(); }
    const LinkCycle& cycle() const { return cycle_; }

  private:
    void lendChoice() {
        const OutsideSettings& outside = host_.params().outside;
        cycle_.setPortChoice({outside.portIndex, outside.searchIndex});
    }
    void take() {
        host_.record(cycle_.events(), cycle_.device());
        OutsideSettings& outside = host_.params().outside;
        outside.portIndex = cycle_.portChoice().index;
        outside.searchIndex = cycle_.portChoice().searchIndex;
        const bool pagesRead =
            std::any_of(cycle_.events().begin(), cycle_.events().end(),
                        [](const LinkEvent& e) { return std::holds_alternative<PagesRead>(e); });
        if (!pagesRead) return;
        cycle_.ContinueRead(host_.params().image);
        take();
    }

    LinkRecorder& host_;
    LinkCycle cycle_;
};

}  // namespace tz::link::testing
