// The link cycle: the conversation with the unit, advanced one step per
// 55 ms tick, and the commands that start a transfer or choose the port.
//
// The window's tick runs, in this order: its graph service; tick() (frame
// reception and dispatch, the state step with polls, resends and the
// saving countdown, the message line step through LinkHost::TickMessageLine,
// the connection watch with the banner and the reopenings); then the live
// cell highlight from live() (see live_cell.h); then status panel 4 with
// unitVersionLine().
#pragma once

#include <string>

#include "link/connection_watch.h"
#include "link/info_page.h"
#include "link/link_host.h"
#include "link/monitor.h"
#include "link/port_connection.h"
#include "link/port_names.h"
#include "link/serial_port.h"
#include "link/test_requests.h"
#include "link/transfer.h"

namespace tz::link {

class LinkCycle {
  public:
    LinkCycle(LinkHost& host, SerialPortFactory factory,
              PortTableSource portTable = SystemPortTable);

    // Timer1Timer's part of the link.
    void tick();

    // MenuProgramClick (F9, BitBtnProgram): prepare the image, then
    // StartProgramming. Nothing while the window's binding is busy.
    void Program();
    // MenuVerifyClick (F8, BitBtnVerify): prepare the image, then StartVerify.
    void Verify();
    // MenuReadClick (F7, ButtonRead): StartRead. The window empties its
    // current file name and rebuilds its caption itself.
    void Read();
    // Also for automatic programming after a change, undo and redo; these
    // do not read the controls first.
    void StartProgramming();
    void StartVerify();

    // MenuCom1Click: item index 0..29 a fixed port, 30 the automatic search.
    void ChoosePort(int index);
    // Start-up and shut-down.
    void OpenPort();
    void ClosePort();

    // ButtonTestClick: the request goes out with the next poll frame.
    void PressTestButton(TestButton button);

    LinkState state() const { return transfer_.state; }
    const Transfer& transfer() const { return transfer_; }
    bool connected() const { return watch_.connected(); }
    bool portOpen() const { return port_.isOpen(); }
    // Live values of the last accepted monitor frame (all 0 before).
    const LiveValues& live() const { return live_; }
    // How many monitor frames were accepted since the start.
    std::uint64_t monitorFrames() const { return monitorFrames_; }
    // Name, build date and time of the unit from its last info page.
    const UnitInfo& unitInfo() const { return unit_; }
    // Status panel 4: "not connected", the version mismatch text, or the
    // unit's name, date and time.
    const std::string& unitVersionLine() const { return unitVersionLine_; }
    // The devices behind the menu items Com 1.. (at most 30), for the
    // menu's hints; see port_names.h.
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
    void watchConnection();
    void SendPageFrame();
    void SendPollFrame();
    void setProgress(int maximum, int position);
    void startShown(texts::Msg text);
    const std::string& text(texts::Msg id) const { return host_.messages()[id]; }

    LinkHost& host_;
    PortConnection port_;
    Transfer transfer_;
    ConnectionWatch watch_;
    TestRequests tests_;
    LiveValues live_;
    std::uint64_t monitorFrames_ = 0;
    bool runningMemory_ = false;
    UnitInfo unit_;
    std::string unitVersionLine_;
    Progress progress_;
};

}  // namespace tz::link
