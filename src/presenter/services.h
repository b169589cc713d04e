// What the window's logic needs from the desktop, as small interfaces: the
// toolkit provides the real ones, tests provide plain doubles.
#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "canvas/canvas.h"
#include "controls/control.h"

namespace tz {

enum class Answer { Yes, No, Cancel };

struct FileFilter {
    std::string description;  // "Ignition Parametrs(*.ign)"
    std::string pattern;      // "*.ign"
};

struct FileDialogRequest {
    std::string fileName;  // initial file name or full path
    std::vector<FileFilter> filters;
    int filterIndex = 0;
    std::string defaultExtension;   // without the dot
    bool confirmOverwrite = false;  // save dialogs
};

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // A modal message box with an OK button.
    virtual void showMessage(std::string_view text) = 0;
    // A modal message box captioned "Error", with an error icon.
    virtual void showError(std::string_view text) = 0;
    // A modal question with the buttons Yes, No and Cancel.
    virtual Answer askYesNoCancel(std::string_view text) = 0;
    // A modal question with a button of each caption ("&" marks the access
    // key), the last one the cancel button (also Esc and the dialog's close
    // box); the index of the button chosen.
    virtual std::size_t askChoice(std::string_view text,
                                  const std::vector<std::string>& buttons) = 0;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> saveFile(const FileDialogRequest& request) = 0;
};

struct Modifiers {
    bool leftShift = false;
    bool rightShift = false;
    bool leftCtrl = false;
    bool rightCtrl = false;
    bool alt = false;

    bool shift() const { return leftShift || rightShift; }
    bool ctrl() const { return leftCtrl || rightCtrl; }
};

class Keyboard {
  public:
    virtual ~Keyboard() = default;
    // The state of the modifier keys at this moment.
    virtual Modifiers modifiers() const = 0;
};

class WindowHost {
  public:
    virtual ~WindowHost() = default;
    // Closes the main window, which runs the shut-down sequence and ends the
    // program.
    virtual void closeWindow() = 0;
    // The user interface language changed (0 English .. 3 Czech): the
    // toolkit's own texts (dialog buttons) follow it.
    virtual void languageChanged(std::uint8_t /*language*/) {}
    // The window takes the desktop's style, colours and font (true) or its
    // own look (false), at once.
    virtual void lookChanged(bool /*desktop*/) {}
    // The size of the screen the window opens on, without the desktop's
    // panels.
    virtual int screenWidth() const = 0;
    virtual int screenHeight() const = 0;
};

// Printing the window's picture on the default printer (or where the
// platform's configuration sends print jobs).
class Printer {
  public:
    virtual ~Printer() = default;
    // One print job of one page; the platform's error text when it failed.
    virtual std::optional<std::string> printWindowImage() = 0;
};

struct AboutContent;

// Drawing surfaces: the graphs paint through them and move the pointer
// over them.
class Surfaces {
  public:
    virtual ~Surfaces() = default;
    // Runs draw on a canvas of the surface's current size and shows the
    // result.
    virtual void paint(ui::ControlId surface, const std::function<void(graphs::Canvas&)>& draw) = 0;
    // Moves the mouse pointer to (x, y) in the surface's own pixels.
    virtual void movePointer(ui::ControlId surface, int x, int y) = 0;
};

class Desktop {
  public:
    virtual ~Desktop() = default;
    // Opens a document with the desktop's default viewer; false when that
    // failed (missing file, no viewer).
    virtual bool openDocument(const std::string& fileName) = 0;
    // Shows the about box modally.
    virtual void showAbout(const AboutContent& content) = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    // The current date and time in the user's short date and long time forms.
    virtual std::string shortDate() const = 0;
    virtual std::string longTime() const = 0;
    // The current time, for names of files such as recorded logs.
    virtual std::time_t now() const { return std::time(nullptr); }
};

}  // namespace tz
