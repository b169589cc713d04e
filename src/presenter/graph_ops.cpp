// The graph area inside the window: its controls, placement at every layout
// refresh, the per-tick service, the view controls and what the graphs ask
// of the window.
#include <algorithm>

#include "presenter/main_window.h"
#include "editing/interpolation.h"
#include "graphs/graph_area_controls.h"

namespace tz {

namespace {

constexpr int kAdvancePage = 2;
constexpr int kServoPage = 3;

graphs::Keys keysOf(const Modifiers& m) {
    return {m.shift(), m.ctrl()};
}

}  // namespace

graphs::GroupGeometry MainWindow::groupGeometry(std::string_view group) const {
    const ui::Rect& b = controls_.at(id(group)).bounds;
    return {b.left, b.width, b.height};
}

void MainWindow::CreateGraphArea() {
    graphArea_ = std::make_unique<graphs::GraphArea>(static_cast<graphs::GraphHost&>(*this));
    const ui::ControlId advanceGroup = id("GroupBox6");
    const ui::Rect overlay = graphs::gridOverlayBounds(controls_.at(index_.cellEdits[0]).bounds,
                                                       controls_.at(index_.cellUpDowns[99]).bounds);
    for (ui::Control c : graphs::advanceGroupControls(groupGeometry("GroupBox6"), overlay)) {
        c.parent = advanceGroup;
        c.sendToBack = c.name == graphs::kGridOverlay;
        controls_.add(std::move(c));
    }
    ui::Control servo = graphs::servoGraphControl(groupGeometry("GroupBoxPrivera"));
    servo.parent = id("GroupBoxPrivera");
    controls_.add(std::move(servo));

    const ui::ControlId modes = id("RadioGroupGraphMode");
    controls_.setItems(modes, {graphs::kGraphModeItems.begin(), graphs::kGraphModeItems.end()});
    controls_.setItemIndex(modes, 0);

    graphArea_->setColours(graphs::rgb(0xD4D0C8), graphs::colour::kWhite);
    graphArea_->CreateGraphArea(
        {groupGeometry("GroupBox6"), groupGeometry("GroupBoxPrivera"), overlay});
}

void MainWindow::layoutGraphs() {
    if (!graphArea_) return;
    const ui::ControlId overlay = id(graphs::kGridOverlay);
    std::array<ui::Rect, 100> edits{};
    std::array<ui::Rect, 100> upDowns{};
    for (int k = 0; k < 100; ++k) {
        edits[static_cast<std::size_t>(k)] = controls_.at(index_.cellEdits[k]).bounds;
        upDowns[static_cast<std::size_t>(k)] = controls_.at(index_.cellUpDowns[k]).bounds;
    }
    const bool tpsMap = controls_.checked(id("CheckBoxTpsMapa"));
    const bool allRows = tpsMap && graphArea_->mode() == graphs::GraphMode::Map;
    graphArea_->setGridHitBoxes(controls_.at(overlay).bounds, edits, upDowns, allRows);

    graphs::LayoutInput in;
    in.advancePageShown = activePage() == kAdvancePage;
    in.servoPageShown = activePage() == kServoPage;
    in.servoEnabled = params_.image[field::SERVO_ENABLE] != 0;
    in.tpsMapChecked = tpsMap;
    in.advanceGroup = groupGeometry("GroupBox6");
    in.gridOverlayTop = controls_.at(overlay).bounds.top;
    in.lastCellUpDown = controls_.at(index_.cellUpDowns[99]).bounds;
    in.firstRowUpDown = controls_.at(index_.cellUpDowns[9]).bounds;
    const graphs::LayoutResult r = graphArea_->LayoutGraphs(in);

    const ui::ControlId map = id(graphs::kMapGraph);
    controls_.setBounds(map, r.mapGraph);
    controls_.setVisible(map, r.mapGraphVisible);
    ui::Rect overlayBounds = controls_.at(overlay).bounds;
    overlayBounds.height = r.gridOverlayHeight;
    controls_.setBounds(overlay, overlayBounds);
    controls_.setVisible(overlay, r.gridOverlayVisible);
    for (std::string_view name : graphs::view3DControlNames())
        controls_.setVisible(id(name), r.view3DVisible);
    controls_.setVisible(id(graphs::kServoGraph), r.servoGraphVisible);
}

void MainWindow::graphService() {
    graphs::TickInput in;
    in.keys = keysOf(services_.keyboard.modifiers());
    in.liveRpm = link_->live().rpm;
    in.liveTps = link_->live().throttlePercent;
    in.tpsMapChecked = controls_.checked(id("CheckBoxTpsMapa"));
    in.servoPageShown = activePage() == kServoPage;
    in.servoEnabled = params_.image[field::SERVO_ENABLE] != 0;
    graphArea_->GraphService(in);
}

void MainWindow::graphModeClicked(int index) {
    const ui::ControlId group = id("GroupBox6");
    controls_.setVisible(group, false);
    graphArea_->setMode(index);
    RefreshLayout();
    controls_.setVisible(group, true);
    RecordChange();
}

bool MainWindow::graphViewEvent(ui::ControlId control) {
    const std::string& name = controls_.at(control).name;
    if (name == graphs::kIsoButton)
        graphArea_->applyPreset(graphs::ViewPreset::Iso);
    else if (name == graphs::kIso2Button)
        graphArea_->applyPreset(graphs::ViewPreset::Iso2);
    else if (name == graphs::kTopButton)
        graphArea_->applyPreset(graphs::ViewPreset::Top);
    else if (name == graphs::kFillCheck || name == graphs::kHeightColoursCheck) {
        const ui::ControlId height = id(graphs::kHeightColoursCheck);
        controls_.setEnabled(height,
                             graphArea_->fillSwitched(controls_.checked(id(graphs::kFillCheck)),
                                                      controls_.checked(height)));
    } else {
        const auto bar = std::find(graphs::kAngleBars.begin(), graphs::kAngleBars.end(), name);
        if (bar == graphs::kAngleBars.end()) return false;
        graphArea_->angleBarChanged(static_cast<int>(bar - graphs::kAngleBars.begin()),
                                    controls_.at(control).position);
    }
    return true;
}

void MainWindow::canvasMouse(ui::ControlId surface, const PointerEvent& event) {
    graphs::MouseEvent e;
    e.type = static_cast<graphs::MouseEvent::Type>(event.type);
    e.button = static_cast<graphs::MouseButton>(event.button);
    e.keys = {event.shift, event.ctrl};
    e.x = event.x;
    e.y = event.y;
    graphArea_->mouse(controls_.at(surface).name, e);
}

void MainWindow::MenuToolsInterpolOnClick() {
    if (editing::interpolateSelection(graphArea_->selection(), params_.image) ==
        editing::InterpolationResult::NoRectangle) {
        services_.dialogs.showError("Choose continuouse rectangle arrea of cells...");
        return;
    }
    CommitEdit();
}

void MainWindow::normaliseImage() {
    params_.normalise();
}
void MainWindow::commitEdit() {
    CommitEdit();
}

void MainWindow::paint(std::string_view surface, const std::function<void(graphs::Canvas&)>& draw) {
    services_.surfaces.paint(id(surface), draw);
}

void MainWindow::setHint(std::string_view surface, std::string_view text) {
    controls_.setHint(id(surface), text);
}

void MainWindow::movePointer(std::string_view surface, int x, int y) {
    services_.surfaces.movePointer(id(surface), x, y);
}

void MainWindow::focusControl(std::string_view name) {
    controls_.requestFocus(id(name));
}

void MainWindow::setAngleBars(const std::array<int, 3>& positions) {
    for (std::size_t i = 0; i < positions.size(); ++i)
        controls_.setPosition(id(graphs::kAngleBars[i]), positions[i]);
}

void MainWindow::refreshCaptions() {
    FillCaptions();
}

}  // namespace tz
