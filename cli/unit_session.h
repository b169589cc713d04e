// A session on one serial device for the unit commands, started as the
// window starts (first repair, empty history, Com 1 opened) and ticked at the
// window's 55 ms pace. It prints each new report of a transfer as a line.
#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "cli/cli_context.h"
#include "session/session.h"

namespace tz::cli {

class UnitSession {
  public:
    UnitSession(Context& context, const std::string& device);
    ~UnitSession();
    UnitSession(const UnitSession&) = delete;
    UnitSession& operator=(const UnitSession&) = delete;

    session::Session& session() { return session_; }
    // Another program holds the port (said on standard error): the command
    // ends with exit status 2.
    bool portBusy() const { return portBusy_; }

    // Opens FILE as the window's Open does; false when it could not be used
    // (the reason went to standard error; `fileError` tells a file that could
    // not be read).
    bool open(const std::string& path, bool& fileError);

    // Starts the transfer (taking the image as the window's controls would
    // for program and verify) and ticks until it has ended: the failure's
    // text, empty when it was already reported, or nothing on success.
    std::optional<std::string> program();
    std::optional<std::string> verify();
    std::optional<std::string> read();
    // After programming: until the unit has stored the settings.
    void waitForSaving();
    // One tick at the window's pace.
    void tick();

  private:
    std::optional<std::string> finish(const session::Events& started);
    // Prints the events' report lines; the failure found among them.
    std::optional<std::string> report(const session::Events& events);
    void show(const std::string& line);
    void prepareToSend();

    Context& context_;
    session::Session session_;
    std::chrono::steady_clock::time_point next_;
    std::string shown_;
    bool portBusy_ = false;
};

}  // namespace tz::cli
