#include "presenter/window_presenter.h"

#include <algorithm>
#include <filesystem>

#include "design/control_names.h"
#include "design/window_design.h"
#include "params/saved_image.h"
#include "platform/atomic_file.h"
#include "platform/build_info.h"
#include "platform/desktop_locale.h"
#include "platform/settings.h"
#include "platform/test_mode_marker.h"
#include "presenter/spoken_names.h"
#include "presenter/version_texts.h"
#include "texts/language.h"

namespace tz::presenter {

namespace {

// The page shown when the settings name none.
constexpr int kDesignedPage = 0;
constexpr int kWindowPages = 7;

ui::ControlModel designedControls() {
    ui::ControlModel controls;
    design::buildWindowDesign(controls);
    design::BuildPortMenu(controls);
    design::BuildPowerOutPage(controls);
    return controls;
}

// A window larger than the screen shrinks to it, so that all of it (the menu
// and the status bar) is reached; its client area scrolls.
WindowPlacement withinScreen(WindowPlacement p, int screenWidth, int screenHeight) {
    if (screenWidth > 0 && p.width > screenWidth) {
        p.width = screenWidth;
        p.left = 0;
    }
    if (screenHeight > 0 && p.height > screenHeight) {
        p.height = screenHeight;
        p.top = 0;
    }
    return p;
}

// A placement that would put the window where the user cannot see it is
// replaced by the window centred on the screen.
WindowPlacement onScreen(WindowPlacement p, int screenWidth, int screenHeight) {
    constexpr int kMinimumVisible = 100;
    const bool sizeUsable = p.width >= 200 && p.height >= 150 && p.width <= 4 * screenWidth &&
                            p.height <= 4 * screenHeight;
    const bool reachable = p.left + p.width >= kMinimumVisible &&
                           p.left <= screenWidth - kMinimumVisible && p.top >= 0 &&
                           p.top <= screenHeight - kMinimumVisible / 2;
    if (sizeUsable && reachable) return p;
    WindowPlacement centred = centredPlacement(screenWidth, screenHeight);
    if (sizeUsable) {
        centred.width = p.width;
        centred.height = p.height;
        centred.left = std::max(0, (screenWidth - p.width) / 2);
        centred.top = std::max(0, (screenHeight - p.height) / 2);
    }
    return centred;
}

// The language of the desktop's locale, for a first start.
std::uint8_t desktopLanguage() {
    const LocaleVariables locale = desktopLocaleVariables();
    return static_cast<std::uint8_t>(texts::languageIndex(
        texts::languageFromLocale(locale.lcAll, locale.lcMessages, locale.lang)));
}

}  // namespace

WindowPresenter::WindowPresenter(WindowServices services, std::vector<std::string> arguments)
    : services_(std::move(services)),
      arguments_(std::move(arguments)),
      session_(services_.session),
      controls_(designedControls()),
      index_(design::buildWindowIndex(controls_)),
      messageLine_(controls_, mode_),
      graphs_(controls_, index_, session_, services_.surfaces, services_.keyboard,
              {[this](const Image& edited) { edits_.editTo(edited); },
               [this] { captions_.fillCaptions(); }}),
      layout_(controls_, index_, session_, mode_, graphs_),
      binding_(controls_, index_, layout_, graphs_),
      captions_(controls_, session_, services_.host, [this] { return graphs_.cellsSelected(); }),
      monitor_(controls_, index_, session_, mode_, captions_.messages()),
      view_(controls_, index_, session_, mode_, messageLine_, monitor_, binding_, layout_,
            captions_, services_.dialogs),
      edits_(controls_, index_, session_, binding_, layout_, view_, graphs_, monitor_,
             services_.dialogs),
      files_(controls_, session_, binding_, edits_, captions_, messageLine_, services_.dialogs,
             services_.keyboard),
      unit_(controls_, index_, session_, edits_, view_, captions_),
      logView_(controls_, session_, view_, services_.surfaces, captions_),
      logs_(controls_, index_, session_, view_, monitor_, captions_, services_.dialogs,
            services_.clock, services_.openLogFile, [this] { logView_.replayChanged(); }),
      printing_(controls_,
                {services_.printer, services_.dialogs, services_.clock, services_.desktop,
                 services_.manualDirectories},
                messageLine_, layout_, mode_, captions_),
      tables_(controls_, index_, session_, binding_, edits_, graphs_, messageLine_, captions_,
              {services_.clipboard, services_.numbers}),

      comparisons_(controls_, session_, edits_, files_, unit_, view_, captions_, services_.dialogs,
                   services_.comparisonDialogs),
      checks_(controls_, index_, session_, binding_, layout_, edits_, unit_, view_, captions_,
              services_.checkDialogs),
      wheel_(controls_, session_, services_.surfaces, captions_),
      unitState_(controls_, session_, binding_, edits_, unit_, captions_, services_.dialogs,
                 services_.host) {}

void WindowPresenter::FormCreate() {
    buildWindow();
    loadSettings();
    pcVersionLine_ = FormatPcVersionLine(MakeBuildDateText(buildDateCompilerForm()));
    applyCommandLineLanguage();
    session_.normalise();
    services_.host.languageChanged(captions_.language());
    captions_.fillMessages();
    edits_.resetHistory();
    unit_.openPort();
    captions_.fillCaptions();
    view_.showWholeImage();
    controls_.setVisible(controls_.id(ctl::LabelHlaseni), false);
    const ui::ControlId gauge = controls_.id(ctl::CGaugeProgram);
    controls_.setVisible(gauge, false);
    controls_.setMax(gauge, 3);
    controls_.setVisible(controls_.id(ctl::LabelEeDataErr), false);
    controls_.setVisible(controls_.id(ctl::LabelVersion), false);
    mode_.testMode =
        !services_.testModeMarkerPath.empty() && ReadTestModeMarker(services_.testModeMarkerPath);
    for (ui::ControlId label : index_.testLabels) controls_.setVisible(label, mode_.testMode);
    layout_.refresh();
    controls_.setPanelText(controls_.id(ctl::StatusBar1), 2, pcVersionLine_);
    unitState_.show();
}

void WindowPresenter::FormClose() {
    if (closed_) return;
    closed_ = true;
    session_.closePort();
    edits_.takeControls();
    // Told only to a user who asked to close: a signal closes unattended.
    if (!saveSettings() && closeAttended_)
        services_.dialogs.showError(captions_.messages()[texts::Msg::MsgSettingsNotSaved]);
}

bool WindowPresenter::closeRequested(bool canAsk) {
    if (closed_) return true;
    closeAttended_ = canAsk;
    // A signal may have closed the window while the user was asked.
    return unitState_.closeRequested(canAsk) || closed_;
}

void WindowPresenter::closing() {
    FormClose();
}

WindowPlacement WindowPresenter::placement() const {
    const ui::Rect b = controls_.at(controls_.id(ctl::TFormHlav)).bounds;
    return {b.left, b.top, b.height, b.width};
}

void WindowPresenter::buildWindow() {
    graphs_.create();
}

void WindowPresenter::loadSettings() {
    const int screenWidth = services_.host.screenWidth();
    const int screenHeight = services_.host.screenHeight();
    const ShellSettings s = LoadSettings(
        services_.settings, centredPlacement(screenWidth, screenHeight), kDesignedPage);
    const WindowPlacement p =
        withinScreen(onScreen(s.placement, screenWidth, screenHeight), screenWidth, screenHeight);
    controls_.setBounds(controls_.id(ctl::TFormHlav), {p.left, p.top, p.width, p.height});
    OutsideSettings outside = session_.params().outside;
    // A port given for this run replaces the stored choice for the run only.
    storedPort_ = {s.portIndex, s.portDevice};
    outside.portIndex = services_.portIndexOverride.value_or(s.portIndex);
    if (!services_.portIndexOverride) session_.setPreferredPortDevice(s.portDevice);
    outside.searchIndex = s.searchIndex;
    outside.language = s.languageSaved ? s.language : desktopLanguage();
    session_.setOutsideSettings(outside);
    session_.restoreFileNames(s.fileName, s.lastFileName);
    comparisons_.setBackup(s.backupBeforeProgram);
    checks_.setMaxAdvanceStep(s.maxAdvanceStep);
    if (s.desktopLook) setDesktopLook(true);
    files_.setDialogPath(s.lastFileName);
    const int page =
        s.activePage >= 0 && s.activePage < kWindowPages ? s.activePage : kDesignedPage;
    controls_.setItemIndex(controls_.id(ctl::PageControl1), page);

    if (services_.savedImagePath.empty()) return;
    if (const std::optional<std::string> text = readWholeFile(services_.savedImagePath))
        session_.loadSavedImage(*text);
}

void WindowPresenter::setDesktopLook(bool on) {
    desktopLook_ = on;
    controls_.setChecked(controls_.id(ctl::MenuDesktopLook), on);
    services_.host.lookChanged(on);
}

bool WindowPresenter::saveSettings() {
    const OutsideSettings& outside = session_.params().outside;
    ShellSettings s;
    s.placement = placement();
    s.portIndex = outside.portIndex;
    s.portDevice = session_.portDevice();
    if (services_.portIndexOverride && !unit_.portChosen()) {
        s.portIndex = storedPort_.index;
        s.portDevice = storedPort_.device;
    }
    s.searchIndex = outside.searchIndex;
    s.language = outside.language;
    s.fileName = session_.fileName();
    s.lastFileName = session_.lastFileName();
    s.activePage = activePage();
    s.backupBeforeProgram = comparisons_.backup();
    s.maxAdvanceStep = checks_.maxAdvanceStep();
    s.desktopLook = desktopLook_;
    const bool saved = SaveSettings(services_.settings, s);
    if (services_.savedImagePath.empty()) return saved;
    return writeFileAtomically(services_.savedImagePath, formatSavedImage(session_.image())) &&
           saved;
}

void WindowPresenter::applyCommandLineLanguage() {
    if (arguments_.empty()) return;
    if (const std::optional<texts::Language> language =
            texts::languageFromCommandLineWord(arguments_.front()))
        session_.setLanguage(static_cast<std::uint8_t>(texts::languageIndex(*language)));
}

void WindowPresenter::openCommandLineFile() {
    auto file = arguments_.begin();
    if (file != arguments_.end() && texts::languageFromCommandLineWord(*file)) ++file;
    if (file == arguments_.end()) return;
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(*file, ec);
    files_.openFile(ec ? *file : absolute.string());
}

void WindowPresenter::setLanguage(std::uint8_t language) {
    captions_.setLanguage(language);
    view_.showWholeImage();
    unitState_.show();
}

void WindowPresenter::changeSheet() {
    session_.setActivePage(activePage());
    layout_.refresh();
}

// ---- Events

void WindowPresenter::upDownClicked(ui::ControlId upDown, int) {
    edits_.upDownClicked(upDown);
}

void WindowPresenter::editExited(ui::ControlId edit) {
    edits_.editExited(edit);
}

bool WindowPresenter::keyPressed(ui::ControlId edit, const KeyPress& key) {
    if (tables_.keyPressed(edit, key)) return true;
    return edits_.keyPressed(edit, key);
}

void WindowPresenter::editEntered(ui::ControlId edit, FocusCause cause) {
    tables_.editEntered(edit, cause);
}

void WindowPresenter::contextMenuOpening(ui::ControlId control) {
    tables_.contextMenuOpening(control);
}

void WindowPresenter::checkBoxReleased(ui::ControlId checkBox) {
    if (graphs_.viewEvent(checkBox)) return;
    if (logs_.checkBoxReleased(checkBox)) return;
    if (logView_.checkBoxReleased(checkBox)) return;
    edits_.checkBoxReleased(checkBox);
}

void WindowPresenter::radioClicked(ui::ControlId radioGroup, int index) {
    if (binding_.busy()) return;
    if (radioGroup == controls_.id(ctl::RadioGroupGraphMode)) {
        const ui::ControlId group = controls_.id(ctl::GroupBox6);
        controls_.setVisible(group, false);
        graphs_.setMode(index);
        layout_.refresh();
        controls_.setVisible(group, true);
        edits_.recordChange();
        return;
    }
    edits_.radioClicked(radioGroup, index);
}

void WindowPresenter::comboChanged(ui::ControlId comboBox, int index) {
    if (logs_.comboChanged(comboBox, index)) return;
    if (logView_.comboChanged(comboBox, index)) return;
    if (comboBox == controls_.id(ctl::ComboBoxNasobekPalcu)) edits_.editExited(comboBox);
    if (comboBox == controls_.id(ctl::ComboBoxBike) ||
        comboBox == controls_.id(ctl::ComboBoxSynchro))
        files_.bikeChanged();
}

void WindowPresenter::clicked(ui::ControlId control) {
    if (graphs_.viewEvent(control)) return;
    if (logs_.clicked(control)) return;
    if (logView_.clicked(control)) return;
    if (tables_.clicked(control)) return;
    const auto is = [&](ui::ControlName name) { return control == controls_.id(name); };
    const auto either = [&](ui::ControlName a, ui::ControlName b) { return is(a) || is(b); };

    if (either(ctl::MenuNew, ctl::SpeedButton6)) return files_.newSettings();
    if (is(ctl::MenuOpenExeDir)) return files_.openFromProgramDirectory();
    if (is(ctl::MenuSaveExeDir)) return files_.saveToProgramDirectory();
    if (either(ctl::MenuOpen, ctl::SpeedButtonOpen)) return files_.open(!is(ctl::MenuOpen));
    if (either(ctl::MenuSave, ctl::SpeedButtonSave)) return files_.save(!is(ctl::MenuSave));
    if (either(ctl::MenuZpet, ctl::SpeedButtonZpet)) return edits_.undo();
    if (either(ctl::MenuZnovu, ctl::SpeedButtonZnovu)) return edits_.redo();
    if (is(ctl::BitBtnTps0)) return edits_.tps0Clicked();
    if (is(ctl::BitBtnTps100)) return edits_.tps100Clicked();
    if (either(ctl::MenuPrint, ctl::SpeedButtonPrint)) return printing_.printPage();
    if (is(ctl::MenuPrintAll)) return printing_.printAllPages();
    if (is(ctl::MenuContens)) return printing_.openManual();
    if (is(ctl::MenuAbout)) return printing_.showAbout();
    if (is(ctl::MenuInterpol)) return edits_.interpolate();
    if (either(ctl::AdvanceMinus, ctl::AdvancePlus))
        return edits_.mapShift(is(ctl::AdvancePlus) ? 1 : -1);
    if (is(ctl::MenuExit)) return services_.host.closeWindow();
    if (either(ctl::MenuRead, ctl::ButtonRead)) return unit_.read();
    if (either(ctl::MenuVerify, ctl::BitBtnVerify)) return unit_.verify();
    if (either(ctl::MenuProgram, ctl::BitBtnProgram)) return checks_.program();
    if (is(ctl::MenuCompareUnit)) return comparisons_.compareWithUnit();
    if (is(ctl::MenuCompareFile)) return comparisons_.compareWithFile();
    if (is(ctl::MenuRestorePoints)) return comparisons_.showRestorePoints();
    if (is(ctl::MenuBackup)) return comparisons_.toggleBackup();
    if (is(ctl::MenuDesktopLook)) return setDesktopLook(!desktopLook_);
    for (std::size_t i = 0; i < index_.portItems.size(); ++i)
        if (control == index_.portItems[i]) return unit_.choosePort(static_cast<int>(i));
    if (unit_.testButton(control)) return;
    const ui::ControlName languages[] = {ctl::MenuEnglish, ctl::MenuGerman, ctl::MenuFrench,
                                         ctl::MenuCzech};
    for (std::size_t language = 0; language < std::size(languages); ++language)
        if (is(languages[language])) return setLanguage(static_cast<std::uint8_t>(language));
}

void WindowPresenter::spinClicked(ui::ControlId spinButton, int direction) {
    edits_.spinClicked(spinButton, direction);
}

void WindowPresenter::pageChanged(ui::ControlId pageControl, int index) {
    controls_.userSetItemIndex(pageControl, index);
    changeSheet();
}

void WindowPresenter::trackBarChanged(ui::ControlId trackBar, int position) {
    if (logs_.trackBarChanged(trackBar, position)) return;
    graphs_.viewEvent(trackBar);
}

void WindowPresenter::mouseWheel(int delta, Modifiers) {
    if (logView_.wheel(delta)) return;
    graphs_.wheel(delta);
}

void WindowPresenter::canvasMouse(ui::ControlId surface, const PointerEvent& event) {
    if (logView_.mouse(surface, event)) return;
    graphs_.mouse(surface, event);
}

void WindowPresenter::hintChanged(std::string_view longHint) {
    controls_.setPanelText(controls_.id(ctl::StatusBar1), 0, longHint);
}

void WindowPresenter::panelClicked(ui::ControlId statusBar, int panel) {
    if (statusBar == controls_.id(ctl::StatusBar1) && panel == design::kUnitStatePanel)
        comparisons_.compareWithUnit();
}

void WindowPresenter::tick() {
    // Dialogs the last tick called for, now that the window shows its result.
    comparisons_.showPending();
    checks_.showPending();
    graphs_.service(activePage());
    // A copy: a modal box that an event opens may let the toolkit run
    // further ticks, which replace the session's events.
    const session::Events events = session_.tick();
    view_.apply(events);
    messageLine_.tick();
    monitor_.showConnection(session_.replaying() || session_.link().answeringAtLastTick());
    monitor_.highlightLiveCell();
    monitor_.showUnitLine();
    logs_.tick();
    logView_.tick(activePage());
    tables_.updateTools();
    comparisons_.apply(events);
    checks_.markFindings();
    wheel_.refresh();
    unitState_.apply(events);
    unitState_.show();
    refreshSpokenNames(controls_, captions_.textLanguage(), spokenNamesSeen_);
    spokenNamesSeen_ = controls_.revision();
}

}  // namespace tz::presenter
