// The window's logic: a presenter over the session. It builds the window's
// controls from the design, runs the start-up and shut-down sequences, and
// routes every user event and timer tick to the part that owns it; the parts
// turn the session's state and events into the toolkit-neutral controls that
// gui/ mirrors into widgets.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "controls/control_model.h"
#include "design/window_index.h"
#include "platform/settings.h"
#include "presenter/captions.h"
#include "presenter/comparisons.h"
#include "presenter/edit_commands.h"
#include "presenter/field_binding.h"
#include "presenter/file_commands.h"
#include "presenter/graph_area_host.h"
#include "presenter/layout_rules.h"
#include "presenter/log_commands.h"
#include "presenter/log_view.h"
#include "presenter/message_line.h"
#include "presenter/monitor_view.h"
#include "presenter/printing.h"
#include "presenter/session_view.h"
#include "presenter/settings_checks.h"
#include "presenter/table_commands.h"
#include "presenter/ui_events.h"
#include "presenter/unit_commands.h"
#include "presenter/unit_state_view.h"
#include "presenter/wheel_view.h"
#include "presenter/window_mode.h"
#include "presenter/window_services.h"
#include "session/session.h"

namespace tz::presenter {

class WindowPresenter final : public UiEvents {
  public:
    static constexpr int kTickMs = session::Session::kTickMs;

    WindowPresenter(WindowServices services, std::vector<std::string> arguments);
    WindowPresenter(const WindowPresenter&) = delete;
    WindowPresenter& operator=(const WindowPresenter&) = delete;

    // Start-up and shut-down sequences.
    void FormCreate();
    void FormClose();

    // Events from the toolkit.
    void upDownClicked(ui::ControlId upDown, int direction) override;
    void editExited(ui::ControlId edit) override;
    bool keyPressed(ui::ControlId edit, const KeyPress& key) override;
    void editEntered(ui::ControlId edit, FocusCause cause) override;
    void checkBoxReleased(ui::ControlId checkBox) override;
    void radioClicked(ui::ControlId radioGroup, int index) override;
    void comboChanged(ui::ControlId comboBox, int index) override;
    void clicked(ui::ControlId control) override;
    void spinClicked(ui::ControlId spinButton, int direction) override;
    void pageChanged(ui::ControlId pageControl, int index) override;
    void trackBarChanged(ui::ControlId trackBar, int position) override;
    void mouseWheel(int delta, Modifiers modifiers) override;
    void canvasMouse(ui::ControlId surface, const PointerEvent& event) override;
    void contextMenuOpening(ui::ControlId control) override;
    void hintChanged(std::string_view longHint) override;
    void panelClicked(ui::ControlId statusBar, int panel) override;
    void tick() override;
    bool closeRequested(bool canAsk) override;
    void closing() override;

    // The layout rules run again (after the toolkit built its surfaces).
    void refreshLayout() { layout_.refresh(); }
    void setLanguage(std::uint8_t language);
    // Opens the file that the command line names, after an optional language
    // word, as the Open command does (a desktop's "open with"); nothing
    // without one. Run once the window is shown: it may show messages.
    void openCommandLineFile();

    // The parts, for the toolkit binding and for tests.
    const ui::ControlModel& controls() const { return controls_; }
    ui::ControlModel& controls() { return controls_; }
    const design::WindowIndex& index() const { return index_; }
    session::Session& session() { return session_; }
    const session::Session& session() const { return session_; }
    FieldBinding& binding() { return binding_; }
    const FieldBinding& binding() const { return binding_; }
    EditCommands& edits() { return edits_; }
    FileCommands& files() { return files_; }
    UnitCommands& unit() { return unit_; }
    LogCommands& logs() { return logs_; }
    const LogView& logView() const { return logView_; }
    SettingsChecks& checks() { return checks_; }
    const GraphAreaHost& graphs() const { return graphs_; }
    GraphAreaHost& graphs() { return graphs_; }
    MessageLine& messageLine() { return messageLine_; }
    const MessageLine& messageLine() const { return messageLine_; }
    const MonitorView& monitor() const { return monitor_; }
    Captions& captions() { return captions_; }
    const Captions& captions() const { return captions_; }
    const WindowMode& mode() const { return mode_; }
    int activePage() const { return layout_.activePage(); }
    // Where the window is: its bounds as the toolkit keeps them up to date.
    WindowPlacement placement() const;

  private:
    void buildWindow();
    void loadSettings();
    // False when the settings or the saved image could not be written.
    bool saveSettings();
    void applyCommandLineLanguage();
    void changeSheet();

    WindowServices services_;
    std::vector<std::string> arguments_;
    std::string pcVersionLine_ = "exe";
    bool closed_ = false;
    // Whether the last close was asked for by a user who can be told.
    bool closeAttended_ = false;
    // The port choice the settings held, kept for them when a command-line
    // port replaced it for this run.
    struct StoredPort {
        std::uint8_t index = 0;
        std::string device;
    } storedPort_;

    session::Session session_;
    ui::ControlModel controls_;
    design::WindowIndex index_;
    WindowMode mode_;

    MessageLine messageLine_;
    GraphAreaHost graphs_;
    LayoutRules layout_;
    FieldBinding binding_;
    Captions captions_;
    MonitorView monitor_;
    SessionView view_;
    EditCommands edits_;
    FileCommands files_;
    UnitCommands unit_;
    LogView logView_;
    LogCommands logs_;
    Printing printing_;
    TableCommands tables_;
    Comparisons comparisons_;
    SettingsChecks checks_;
    WheelView wheel_;
    UnitStateView unitState_;
    // The window in the desktop's style and colours (menu Tools).
    bool desktopLook_ = false;
    // The control model's revision after the last renaming of spoken names.
    std::uint32_t spokenNamesSeen_ = 0;
    void setDesktopLook(bool on);
};

}  // namespace tz::presenter
