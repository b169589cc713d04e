// The link cycle: the conversation with the unit, advanced one step per
// 55 ms tick, and the commands that start a transfer or choose the port.
//
// tick() runs, in this order: frame reception and dispatch, the state step
// with polls, resends and the saving countdown, the report's lifetime, and
// the connection watch with its reopenings. Every tick and every command
// replaces events() with what it brought about; the link shows nothing.
#pragma once

#include <string>
#include <vector>

#include "link/connection_watch.h"
#include "link/info_page.h"
#include "link/link_events.h"
#include "link/monitor.h"
#include "link/port_connection.h"
#include "link/port_names.h"
#include "link/save_watch.h"
#include "link/serial_port.h"
#include "link/test_requests.h"
#include "link/transfer.h"
#include "params/image.h"

namespace tz::link {

// How long a report stays current, in ticks: while a finished programming
// run's report is current, the idle link keeps saying that it is done.
inline constexpr int kReportTicks = 200;

class LinkCycle {
  public:
    explicit LinkCycle(SerialPortFactory factory, PortTableSource portTable = SystemPortTable);

    void tick();

    // Start a transfer, replacing whatever runs. Programming and verifying
    // send and compare a copy of `image` taken now, whatever happens to the
    // caller's image meanwhile.
    void StartProgramming(const Image& image);
    void StartVerify(const Image& image);
    // A read hands the unit's pages up as PagesRead; the taker repairs them
    // and hands them back with ContinueRead in the same tick, and the read
    // goes on with their verify.
    void StartRead();
    void ContinueRead(const Image& repaired);
    // Reads the unit's pages as a read does (info page first, nothing stored)
    // into fetchedPages() only: the image is neither changed nor repaired,
    // and no verify follows. It ends with TransferEnded of Operation::Fetch.
    void StartFetch();

    // Item index 0..29 a fixed port, 30 the automatic search. A fixed choice
    // keeps the device it names now for the rest of the run.
    void ChoosePort(int index);
    // The choice the next opening starts from. Openings move it: the search
    // steps on, a preferred device found moves the index to it.
    void setPortChoice(PortChoice choice) { choice_ = choice; }
    const PortChoice& portChoice() const { return choice_; }
    // Before the first opening: the device of a fixed choice made in an
    // earlier run, opened when the device table holds it.
    void setPreferredDevice(std::string device) { port_.setPreferredDevice(std::move(device)); }
    // The device of the fixed choice (empty for the automatic search).
    const std::string& fixedDevice() const { return port_.fixedDevice(); }
    // Start-up and shut-down.
    void OpenPort();
    void ClosePort();

    // The request goes out with the next poll frame.
    void PressTestButton(TestButton button);

    // What the last tick or command brought about, in order.
    const LinkEvents& events() const { return events_; }

    LinkState state() const { return transfer_.state; }
    // A transfer runs, or a programming run waits for the unit to store the
    // settings: its TransferEnded is still to come.
    bool busy() const { return transfer_.state != LinkState::Idle || saveWatch_.pending(); }
    const Transfer& transfer() const { return transfer_; }
    // The image the last programming run or verify sent and compared, or the
    // repaired pages a read verified.
    const Image& image() const { return image_; }
    // The unit answered within the watchdog's time.
    bool connected() const { return watch_.connected(); }
    // The watchdog's verdict of the last tick: false from its first silent
    // tick on (the not-connected banner follows it).
    bool answeringAtLastTick() const { return lastWatchStep_ == ConnectionWatch::Step::Connected; }
    bool portOpen() const { return port_.isOpen(); }
    // Live values of the last accepted monitor frame (all 0 before the first
    // and after the connection was lost).
    const LiveValues& live() const { return live_; }
    // How many monitor frames were accepted since the start.
    std::uint64_t monitorFrames() const { return monitorFrames_; }
    // The unit's three pages as the last successful fetch read them, not
    // repaired (all 0 before the first).
    const Image& fetchedPages() const { return fetched_; }
    // Name, build date and time of the unit from its last info page.
    const UnitInfo& unitInfo() const { return unit_; }
    // The device of the last opening of the port (empty when none stood behind
    // the choice).
    const std::string& device() const { return port_.device(); }
    // The devices behind the menu items Com 1.. (at most 30); see port_names.h.
    std::vector<std::string> portDevices() const { return port_.devices(); }

  private:
    struct Progress {
        int maximum = 3;
        int position = 0;
    };

    void ReceiveFrames();
    void DecodeMonitor(const Frame& frame);
    void HandleReplyFrame(const Frame& frame);
    void stepState();
    void stepIdle();
    void stepReport();
    void watchConnection();
    void openPort();
    void SendPageFrame();
    // The verify of a programming run or read has sent its first page.
    void startedVerifyOfTransfer();
    void SendPollFrame();
    void setProgress(int maximum, int position);
    void show(Report report);
    void started(Report report);
    void ended(Outcome outcome, int unitVersion = 0);

    PortConnection port_;
    PortChoice choice_;
    Image image_{};
    // A read handed its pages up and waits for them back (ContinueRead).
    bool readHandedUp_ = false;
    Transfer transfer_;
    SaveWatch saveWatch_;
    ConnectionWatch watch_;
    ConnectionWatch::Step lastWatchStep_ = ConnectionWatch::Step::NotConnected;
    TestRequests tests_;
    LiveValues live_;
    std::uint64_t monitorFrames_ = 0;
    bool runningMemory_ = false;
    UnitInfo unit_;
    Image fetched_{};
    Progress progress_;
    int reportTicks_ = 0;
    LinkEvents events_;
};

}  // namespace tz::link
