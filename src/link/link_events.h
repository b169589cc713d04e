// What the link reports of a tick or a command, as data, in the order it
// happened. The link never shows anything itself: the window turns these
// into texts, colours and boxes, the command-line program into lines.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "link/monitor.h"
#include "link/serial_port.h"
#include "link/transfer.h"
#include "params/image.h"

namespace tz::link {

// The progress and result reports of a transfer, each shown anew on the
// window's message line.
enum class Report : std::uint8_t {
    ProgramStarted,  // programming begins with the info page
    VerifyStarted,   // a verify begins
    ReadStarted,     // a read begins
    Verifying,       // a programming or read run has reached its verify
    VerifyOk,        // the last page was verified
    ReadOk,          // a fetch has all three pages
    ProgramFailed,
    VerifyFailed,
    ReadFailed,
    Saving,  // the unit stores the settings (repeated at every idle tick while it does)
};

// A report is shown anew: the window restarts its message line.
struct ReportShown {
    Report report;
};
// A finished programming run: the report's text now says so (shown at every
// idle tick while the report is current); the message line is not restarted.
struct ProgrammingDone {};
// The version mismatch box replaces the report, which expires at once.
struct ReportCleared {};

// The progress gauge: its scale and position moved.
struct ProgressChanged {
    int maximum = 0;
    int position = 0;
};
// A transfer started: the gauge is shown.
struct ProgressShown {};

enum class Outcome : std::uint8_t { Succeeded, Failed, VersionMismatch };
struct TransferEnded {
    Operation operation;
    Outcome outcome;
    int unitVersion = 0;  // the unit's protocol version on a mismatch
    // The unit answered but refused a page (Transfer::pageRefused): after a
    // failed verify it holds other settings than the window.
    bool pageRefused = false;
};

// The port was opened (or the opening failed). `tried` is the index of the
// device tried (the search index in automatic mode; LinkCycle::device()
// names it); `choice` the menu choice (0..29, 30 automatic).
struct PortOpened {
    int tried = 0;
    int choice = 0;
    bool opened = false;
    // Why it did not open.
    OpenFailure failure = OpenFailure::None;
    // A Permission failure: the device's group (SerialPort::deniedGroup).
    std::string group;
    // A fixed port chosen by the user that did not open: the user is told.
    bool tellUser = false;
};

// The window's image is to be brought within its rules again: a programming
// run's info page was accepted, or a transfer met another protocol version.
// The pages the link sends are the copy it took at the start.
struct RepairDue {};
// A read has all three of the unit's pages, not repaired. Its verify waits
// until the taker hands the pages back repaired (LinkCycle::ContinueRead).
struct PagesRead {
    Image pages{};
};

// An accepted monitor frame.
struct MonitorFrame {
    LiveValues live;
    bool runningChanged = false;
};

// The unit stopped answering: the live values are back to nothing, so that no
// view goes on showing an engine that may have stopped.
struct ConnectionLost {
    bool runningChanged = false;
};

using LinkEvent =
    std::variant<ReportShown, ProgrammingDone, ReportCleared, ProgressChanged, ProgressShown,
                 TransferEnded, PortOpened, RepairDue, PagesRead, MonitorFrame, ConnectionLost>;
using LinkEvents = std::vector<LinkEvent>;

}  // namespace tz::link
