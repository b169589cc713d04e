// Pictures of the window for tests and scripts.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "presenter/services.h"

class QWidget;

namespace tz::gui {

// Renders the widget with its children (for the main window: its client
// area with menu and status bar, without the window manager's frame) into a
// PNG file. False when the file could not be written.
bool saveScreenshot(QWidget& widget, const QString& path);

// The dialogs of a run that takes a picture and ends: nobody is there to
// answer a modal box, so its text goes to standard error and the run is to
// fail (the event loop, when running, ends with 1). Questions are cancelled
// and no file is chosen.
class UnattendedDialogs final : public Dialogs {
  public:
    void showMessage(std::string_view text) override;
    void showError(std::string_view text) override;
    Answer askYesNoCancel(std::string_view text) override;
    // The last button, the cancel button.
    std::size_t askChoice(std::string_view text, const std::vector<std::string>& buttons) override;
    std::optional<std::string> openFile(const FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const FileDialogRequest& request) override;

    // A box or dialog was asked for.
    bool failed() const { return failed_; }

  private:
    void fail(std::string_view text);

    bool failed_ = false;
};

}  // namespace tz::gui
