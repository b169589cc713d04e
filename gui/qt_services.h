// The desktop services of the window's logic, made with Qt.
#pragma once

#include <QString>
#include <functional>

#include "presenter/services.h"

class QMainWindow;
class QWidget;

namespace tz::gui {

// Modal message boxes and file dialogs over the main window.
class QtDialogs : public Dialogs {
  public:
    explicit QtDialogs(QWidget& parent) : parent_(parent) {}
    void showMessage(std::string_view text) override;
    void showError(std::string_view text) override;
    Answer askYesNoCancel(std::string_view text) override;
    std::size_t askChoice(std::string_view text, const std::vector<std::string>& buttons) override;
    // `filterIndex` counts from 0.
    std::optional<std::string> openFile(const FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const FileDialogRequest& request) override;

  private:
    QWidget& parent_;
};

// Qt does not tell the left modifier keys from the right ones: a held Shift
// or Ctrl is reported as the left one.
class QtKeyboard : public Keyboard {
  public:
    Modifiers modifiers() const override;
};

class QtWindowHost : public WindowHost {
  public:
    explicit QtWindowHost(QMainWindow& window) : window_(window) {}
    // Closes the window; its close event tells the logic that it is closing.
    void closeWindow() override;
    // The size of the primary screen without the desktop's panels.
    int screenWidth() const override;
    int screenHeight() const override;
    // Qt's own dialog texts follow the interface language.
    void languageChanged(std::uint8_t language) override;
    // Sets the application's look, then lets `restyle` show every control
    // in it again.
    void lookChanged(bool desktop) override;
    void setRestyle(std::function<void()> restyle) { restyle_ = std::move(restyle); }

  private:
    QMainWindow& window_;
    std::function<void()> restyle_;
};

// A dialog filter in Qt's form, "Description (*.a *.b)", from one whose
// patterns are separated by ";" and whose description may already end with
// them in parentheses. "*.*" becomes "*", which matches every file here.
QString toQtFilter(const FileFilter& filter);

// Puts Qt's own texts (dialog and message-box buttons) into the language of
// the index: 0 English, 1 German, 2 French, 3 Czech. False when the
// translation for the language was not found; Qt then speaks English.
bool applyQtTranslations(int languageIndex);

}  // namespace tz::gui
