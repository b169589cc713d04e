// The window's services for running its logic without a display: messages
// go to standard error, file dialogs answer with the path the command was
// given, nothing is kept between runs.
#pragma once

#include <iostream>
#include <optional>
#include <string>

#include "platform/memory_settings.h"
#include "presenter/services.h"

namespace tz::cli {

class HeadlessDialogs : public Dialogs {
  public:
    explicit HeadlessDialogs(std::ostream& err) : err_(err) {}
    void showMessage(std::string_view text) override { report(text); }
    void showError(std::string_view text) override { report(text); }
    // Nothing is asked in a script; the cautious answer.
    Answer askYesNoCancel(std::string_view) override { return Answer::Cancel; }
    std::optional<std::string> openFile(const FileDialogRequest&) override { return path; }
    std::optional<std::string> saveFile(const FileDialogRequest&) override { return path; }

    // The file the next dialog chooses.
    std::optional<std::string> path;
    int reports = 0;

  private:
    void report(std::string_view text) {
        ++reports;
        err_ << text << '\n';
    }
    std::ostream& err_;
};

class NoKeys : public Keyboard {
  public:
    Modifiers modifiers() const override { return {}; }
};

class HeadlessHost : public WindowHost {
  public:
    void closeWindow() override {}
    int screenWidth() const override { return 1920; }
    int screenHeight() const override { return 1080; }
};

class NoPrinter : public Printer {
  public:
    std::optional<std::string> printWindowImage() override { return std::string("No printer"); }
};

class NoDesktop : public Desktop {
  public:
    bool openDocument(const std::string&) override { return false; }
    void showAbout(const AboutContent&) override {}
};

class NoClock : public Clock {
  public:
    std::string shortDate() const override { return ""; }
    std::string longTime() const override { return ""; }
};

class NoSurfaces : public Surfaces {
  public:
    void paint(ui::ControlId, const std::function<void(graphs::Canvas&)>&) override {}
    void movePointer(ui::ControlId, int, int) override {}
};

}  // namespace tz::cli
