// How the window comes to life and how it ends: the start-up sequence, the
// shut-down sequence and the files that carry state between runs.
#include "platform/atomic_file.h"
#include "platform/build_info.h"
#include "design/window_design.h"
#include "params/saved_image.h"
#include "platform/test_mode_marker.h"
#include "presenter/main_window.h"
#include "link/version_texts.h"
#include "params/defaults.h"
#include "texts/language.h"

namespace tz {

namespace {

// The page shown when the settings name none.
constexpr int kDesignedPage = 0;
constexpr int kWindowPages = 6;

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

}  // namespace

MainWindow::MainWindow(WindowServices services, std::vector<std::string> arguments)
    : services_(std::move(services)), arguments_(std::move(arguments)) {
    design::buildWindowDesign(controls_);
    link_ = std::make_unique<link::LinkCycle>(static_cast<link::LinkHost&>(*this),
                                              services_.serialPorts, services_.portTable);
}

void MainWindow::FormCreate() {
    buildWindow();
    params_.outside.portIndex = 1;
    params_.image[field::BIKE] = 0;
    ApplyDefaults(params_.image, params_.keepSpecial);
    files_.defaultPath = services_.programDirectory.empty()
                             ? std::string("data.ign")
                             : services_.programDirectory + "/data.ign";
    loadSettings();
    buildVersionTexts();
    applyCommandLineLanguage();
    params_.normalise();
    services_.host.languageChanged(params_.outside.language);
    FillMessages();
    ShowImage();
    ResetHistory();
    OpenPort();
    FillCaptions();
    ShowImage();
    controls_.setVisible(id("LabelHlaseni"), false);
    const ui::ControlId gauge = id("CGaugeProgram");
    controls_.setVisible(gauge, false);
    controls_.setMax(gauge, 3);
    controls_.setVisible(id("LabelEeDataErr"), false);
    controls_.setVisible(id("LabelVersion"), false);
    shell_.testMode =
        !services_.testModeMarkerPath.empty() && ReadTestModeMarker(services_.testModeMarkerPath);
    for (int i = 1; i <= 8; ++i)
        controls_.setVisible(id("LabelTest" + std::to_string(i)), shell_.testMode);
    RefreshLayout();
    controls_.setPanelText(id("StatusBar1"), 2, shell_.pcVersionLine);
}

void MainWindow::FormClose() {
    if (shell_.closed) return;
    shell_.closed = true;
    ClosePort();
    ReadControls();
    params_.normalise();
    saveSettings();
}

void MainWindow::closing() {
    FormClose();
}

WindowPlacement MainWindow::placement() const {
    const ui::Rect b = controls_.at(id("TFormHlav")).bounds;
    return {b.left, b.top, b.height, b.width};
}

void MainWindow::buildWindow() {
    design::BuildPortMenu(controls_);
    design::BuildPowerOutPage(controls_);
    index_ = design::buildWindowIndex(controls_);
    CreateGraphArea();
}

void MainWindow::loadSettings() {
    const int screenWidth = services_.host.screenWidth();
    const int screenHeight = services_.host.screenHeight();
    const ShellSettings s = LoadSettings(
        services_.settings, centredPlacement(screenWidth, screenHeight), kDesignedPage);
    const WindowPlacement p = onScreen(s.placement, screenWidth, screenHeight);
    controls_.setBounds(id("TFormHlav"), {p.left, p.top, p.width, p.height});
    params_.outside.portIndex = services_.portIndexOverride.value_or(s.portIndex);
    params_.outside.searchIndex = s.searchIndex;
    params_.outside.language = s.language;
    files_.current = s.fileName;
    files_.last = s.lastFileName;
    files_.dialogPath = s.lastFileName;
    const int page =
        s.activePage >= 0 && s.activePage < kWindowPages ? s.activePage : kDesignedPage;
    controls_.setItemIndex(id("PageControl1"), page);

    if (services_.savedImagePath.empty()) return;
    if (const std::optional<std::string> text = readWholeFile(services_.savedImagePath))
        parseSavedImage(*text, params_.image);
}

void MainWindow::saveSettings() {
    ShellSettings s;
    s.placement = placement();
    s.portIndex = params_.outside.portIndex;
    s.searchIndex = params_.outside.searchIndex;
    s.language = params_.outside.language;
    s.fileName = files_.current;
    s.lastFileName = files_.last;
    s.activePage = controls_.itemIndex(id("PageControl1"));
    SaveSettings(services_.settings, s);
    if (!services_.savedImagePath.empty())
        writeFileAtomically(services_.savedImagePath, formatSavedImage(params_.image));
}

void MainWindow::applyCommandLineLanguage() {
    if (arguments_.empty()) return;
    if (const std::optional<texts::Language> language =
            texts::languageFromCommandLineWord(arguments_.front()))
        params_.outside.language = static_cast<std::uint8_t>(texts::languageIndex(*language));
}

void MainWindow::buildVersionTexts() {
    shell_.pcVersionLine = FormatPcVersionLine(MakeBuildDateText(buildDateCompilerForm()));
}

}  // namespace tz
