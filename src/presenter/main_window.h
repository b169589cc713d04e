// The main window's logic: it owns all state of a run and answers every
// user event and timer tick by working on the parameter image and on the
// toolkit-neutral model of the window's controls. Each subsystem's
// operations are defined in their own source files next to this one.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "controls/control_model.h"
#include "design/window_index.h"
#include "presenter/services.h"
#include "platform/settings.h"
#include "platform/settings_store.h"
#include "presenter/ui_events.h"
#include "editing/history.h"
#include "graphs/graph_area.h"
#include "graphs/graph_host.h"
#include "link/link_cycle.h"
#include "link/link_host.h"
#include "link/live_cell.h"
#include "params/param_state.h"
#include "texts/messages.h"

namespace tz {

// The services a window needs from its surroundings.
struct WindowServices {
    SettingsStore& settings;
    Dialogs& dialogs;
    Keyboard& keyboard;
    WindowHost& host;
    Printer& printer;
    Desktop& desktop;
    Clock& clock;
    Surfaces& surfaces;
    // Where the saved image of the last run lives (empty: not kept).
    std::string savedImagePath;
    // Where the test-mode marker is looked for (empty: test mode off).
    std::string testModeMarkerPath;
    // The program's directory, for the default file "data.ign".
    std::string programDirectory;
    // Where the manuals are looked for, in this order.
    std::vector<std::string> manualDirectories;
    // Opens the serial port to the unit.
    link::SerialPortFactory serialPorts;
    // The devices behind the port menu's items.
    link::PortTableSource portTable = link::SystemPortTable;
    // A port chosen for this run (a command-line option), instead of the
    // one the settings name.
    std::optional<std::uint8_t> portIndexOverride = std::nullopt;
};

class MainWindow final : public UiEvents, private graphs::GraphHost, private link::LinkHost {
  public:
    static constexpr int kTickMs = 55;
    static constexpr int kMessageLineTicks = 200;

    MainWindow(WindowServices services, std::vector<std::string> arguments);

    // Start-up and shut-down sequences.
    void FormCreate();
    void FormClose();

    // Events from the toolkit.
    void upDownClicked(ui::ControlId upDown, int direction) override;
    void editExited(ui::ControlId edit) override;
    bool keyPressed(ui::ControlId edit, int key) override;
    void checkBoxReleased(ui::ControlId checkBox) override;
    void radioClicked(ui::ControlId radioGroup, int index) override;
    void comboChanged(ui::ControlId comboBox, int index) override;
    void clicked(ui::ControlId control) override;
    void spinClicked(ui::ControlId spinButton, int direction) override;
    void pageChanged(ui::ControlId pageControl, int index) override;
    void trackBarChanged(ui::ControlId trackBar, int position) override;
    void mouseWheel(int delta, Modifiers modifiers) override;
    void canvasMouse(ui::ControlId surface, const PointerEvent& event) override;
    void hintChanged(std::string_view longHint) override;
    void tick() override;
    void closing() override;

    // Binding between the image and the controls.
    void ReadControls();
    void ShowImage();
    void RefreshLayout() override;
    void ChangeSheet();

    // Texts and languages.
    void SetLanguage(std::uint8_t language);
    void FillCaptions();
    void FillMessages();

    // Message line.
    void ShowMessageLine(std::string_view text, ui::Colour colour) override;

    // The after-edit step: normalise, show and record the change.
    void CommitEdit();

    // History.
    void RecordChange();
    void PushHistory();
    void ResetHistory();
    void SpeedButtonZpetClick();
    void SpeedButtonZnovuClick();
    void UpdateHistoryButtons();

    // Files and presets.
    void MenuNewClick();
    void MenuSaveClick(bool fromToolButton);
    void MenuSaveExeDirClick();
    void MenuOpenClick(bool fromToolButton);
    void MenuOpenExeDirClick();
    void ComboBoxBikeChange();

    // Map and servo editing in steps.
    void ShiftCells(int step);
    void BitBtnTps0Click();
    void BitBtnTps100Click();

    // The unit: transfers, port choice and tests.
    void StartProgramming();
    void MenuProgramClick();
    void MenuVerifyClick();
    void MenuReadClick();
    void MenuCom1Click(int index);
    void ButtonTestClick(ui::ControlId button);

    // The graph area.
    void MenuToolsInterpolOnClick();
    const graphs::GraphArea& graphArea() const { return *graphArea_; }

    // Printing, the about box and the manual.
    void PrintPage();
    void PrintAllPages();
    void OpenManual();
    void MenuAboutClick();
    bool printLayout() const { return binding_.printLayout; }

    // State, for the toolkit binding and for tests.
    const ui::ControlModel& controls() const { return controls_; }
    ui::ControlModel& controls() { return controls_; }
    const design::WindowIndex& index() const { return index_; }
    const Image& image() const { return params_.image; }
    Image& image() override { return params_.image; }
    const ParamState& params() const { return params_; }
    const texts::MessageCatalogue& messages() const override { return messages_; }
    std::uint8_t language() const { return params_.outside.language; }
    std::uint8_t portIndex() const { return params_.outside.portIndex; }
    std::uint8_t searchIndex() const { return params_.outside.searchIndex; }
    bool testMode() const { return shell_.testMode; }
    bool bindingBusy() const { return binding_.busy; }
    const std::string& fileName() const { return files_.current; }
    const std::string& lastFileName() const { return files_.last; }
    const std::string& defaultFilePath() const { return files_.defaultPath; }
    const std::string& messageLine() const { return controls_.at(id("LabelHlaseni")).caption; }
    bool messageLineIsError() const {
        return controls_.at(id("LabelHlaseni")).colour == ui::Colour::Red;
    }
    int messageCountdown() const { return messageLine_.countdown; }
    bool connected() const { return link_ && link_->connected(); }
    const link::LinkCycle& link() const { return *link_; }
    // Where the window is: its bounds as the toolkit keeps them up to date.
    WindowPlacement placement() const;

  private:
    // Start-up pieces.
    void buildWindow();
    void loadSettings();
    void saveSettings();
    void applyCommandLineLanguage();
    void buildVersionTexts();

    // Layout pieces.
    void layoutColours();
    void layoutPrintHidden();
    void layoutBikePage();
    void layoutInputsPage();
    void layoutLiveLabels();
    void PowerOutLayout();
    void layoutGrid();

    // Binding pieces.
    void readPowerOutputs();
    void showPowerOutputs();
    bool isParameterUpDown(ui::ControlId id) const;
    bool isParameterEdit(ui::ControlId id) const;
    bool isParameterCheckBox(ui::ControlId id) const;

    void updateWindowCaption();
    int activePage() const;
    void restoreSnapshot(const std::optional<History::Snapshot>& snapshot);
    bool openIgnFile(const std::string& path);
    void columnShift(int column, int step);
    void mapShift(int step);
    void servoShift(int step);
    void enterPrintLayout();
    void leavePrintLayout();
    bool printWindowImage();
    void tickMessageLine();

    // The serial link to the unit.
    void OpenPort();
    void ClosePort();
    void HighlightLiveCell();

    // What the link needs of the window.
    ParamState& params() override { return params_; }
    bool PrepareToSend() override;
    void NormaliseAndShow() override;
    void ImageWasRead() override;
    void SetMessageLineText(std::string_view text) override;
    void ClearMessageLineCountdown() override;
    bool TickMessageLine() override;
    void SetProgress(int maximum, int position) override;
    void ShowProgress() override;
    void ShowMessageBox(std::string_view text) override;
    void SetNotConnectedBanner(bool notConnected) override;
    void ShowPortLabel(std::string_view text) override;
    void CheckPortMenu(int portIndex) override;
    void ShowMonitor(const link::MonitorDisplay& display) override;

    // The graph area of the advance map and servo pages.
    void CreateGraphArea();
    void layoutGraphs();
    void graphService();
    void graphModeClicked(int index);
    bool graphViewEvent(ui::ControlId control);
    graphs::GroupGeometry groupGeometry(std::string_view group) const;

    // What the graphs need of the window.
    void normaliseImage() override;
    void commitEdit() override;
    void paint(std::string_view surface, const std::function<void(graphs::Canvas&)>& draw) override;
    void setHint(std::string_view surface, std::string_view text) override;
    void movePointer(std::string_view surface, int x, int y) override;
    void focusControl(std::string_view name) override;
    void setAngleBars(const std::array<int, 3>& positions) override;
    void refreshCaptions() override;

    ui::ControlId id(std::string_view name) const { return controls_.id(name); }

    WindowServices services_;
    std::vector<std::string> arguments_;

    // Parameter image, its repair memory, the outside settings and the
    // keep-special flag.
    ParamState params_;

    // Controls and their index tables.
    ui::ControlModel controls_;
    design::WindowIndex index_;

    // Texts of the current language.
    texts::MessageCatalogue messages_;

    struct Binding {
        bool busy = false;
        bool printLayout = false;
    } binding_;

    struct Files {
        std::string current;
        std::string last;
        std::string defaultPath;
        std::string dialogPath;  // the file name both file dialogs start from
    } files_;

    struct HistoryState {
        History ring;
        bool changed = false;
        bool armed = false;
    } history_;

    struct Shell {
        bool testMode = false;
        std::string pcVersionLine = "exe";
        bool closed = false;
    } shell_;

    struct MessageLine {
        int countdown = 0;
    } messageLine_;

    // The conversation with the unit and its live values.
    std::unique_ptr<link::LinkCycle> link_;
    link::LiveCell liveCell_;
    bool liveCellShown_ = false;

    // The three graphs, the cell selections and the graph mode.
    std::unique_ptr<graphs::GraphArea> graphArea_;
};

}  // namespace tz
