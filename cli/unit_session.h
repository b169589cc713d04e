// A session on one serial device for the unit commands, started as the
// window starts (first repair, empty history, Com 1 opened) and ticked at the
// window's 55 ms pace. It prints each new report of a transfer as a line.
// Reads and programs keep their restore points where the window keeps them.
#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "cli/cli_context.h"
#include "session/session.h"

namespace tz::cli {

class UnitSession {
  public:
    // Without `progressLines` the reports that are no failure are not
    // printed (for commands whose standard output is data).
    UnitSession(Context& context, const std::string& device, bool progressLines = true);
    ~UnitSession();
    UnitSession(const UnitSession&) = delete;
    UnitSession& operator=(const UnitSession&) = delete;

    session::Session& session() { return session_; }
    // Another program holds the port, or the user may not open it (said on
    // standard error): the command ends with exit status 2.
    bool portBusy() const { return portBusy_; }

    // Opens FILE as the window's Open does; false when it could not be used
    // (the reason went to standard error; `fileError` tells a file that could
    // not be read).
    bool open(const std::string& path, bool& fileError);

    // Starts the transfer (the session repairs the image before it sends it
    // for program and verify) and ticks until it has ended: the failure's
    // text, empty when it was already reported, or nothing on success. A
    // programming run ends once the unit has stored the settings.
    std::optional<std::string> program();
    std::optional<std::string> verify();
    std::optional<std::string> read();
    // Reads the unit's pages for a comparison (Session::unitPages()); the
    // image stays as it is.
    std::optional<std::string> readForComparison();
    // A restore point could not be written (the reason went to standard
    // error); with the backup before programming, the unit was not
    // programmed.
    bool restorePointFailed() const { return restorePointFailed_; }
    // One tick at the window's pace.
    void tick();

  private:
    // Ticks until the operation succeeded or something failed.
    std::optional<std::string> finish(const session::Events& started, link::Operation operation);
    // Prints the events' report lines; the failure found among them.
    std::optional<std::string> report(const session::Events& events);
    void show(const std::string& line);

    Context& context_;
    session::Session session_;
    std::chrono::steady_clock::time_point next_;
    std::string shown_;
    bool portBusy_ = false;
    bool progressLines_ = true;
    bool restorePointFailed_ = false;
    std::optional<link::Operation> succeeded_;
};

}  // namespace tz::cli
