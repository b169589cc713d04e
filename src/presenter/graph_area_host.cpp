#include "presenter/graph_area_host.h"

#include <algorithm>

#include "design/control_names.h"
#include "graphs/graph_area_controls.h"

namespace tz::presenter {

namespace {

// The window's button-face colour of the application's look.
constexpr graphs::Rgb kWindowColour = graphs::rgb(0xD4D0C8);
constexpr int kAdvancePage = 2;
constexpr int kServoPage = 3;

ui::ControlName named(std::string_view name) {
    return ui::ControlName{name};
}

}  // namespace

GraphAreaHost::GraphAreaHost(ui::ControlModel& controls, const design::WindowIndex& index,
                             session::Session& session, Surfaces& surfaces, Keyboard& keyboard,
                             Hooks hooks)
    : controls_(controls),
      index_(index),
      session_(session),
      surfaces_(surfaces),
      keyboard_(keyboard),
      hooks_(std::move(hooks)),
      area_(std::make_unique<graphs::GraphArea>(static_cast<graphs::GraphHost&>(*this))) {}

graphs::GroupGeometry GraphAreaHost::groupGeometry(ui::ControlName group) const {
    const ui::Rect& b = controls_.at(controls_.id(group)).bounds;
    return {b.left, b.width, b.height};
}

void GraphAreaHost::create() {
    const ui::ControlId advanceGroup = controls_.id(ctl::GroupBox6);
    const ui::Rect overlay = graphs::gridOverlayBounds(controls_.at(index_.cellEdits[0]).bounds,
                                                       controls_.at(index_.cellUpDowns[99]).bounds);
    for (ui::Control c : graphs::advanceGroupControls(groupGeometry(ctl::GroupBox6), overlay)) {
        c.parent = advanceGroup;
        c.sendToBack = c.name == graphs::kGridOverlay;
        controls_.add(std::move(c));
    }
    ui::Control servo = graphs::servoGraphControl(groupGeometry(ctl::GroupBoxPrivera));
    servo.parent = controls_.id(ctl::GroupBoxPrivera);
    controls_.add(std::move(servo));

    const ui::ControlId modes = controls_.id(ctl::RadioGroupGraphMode);
    controls_.setItems(modes, {graphs::kGraphModeItems.begin(), graphs::kGraphModeItems.end()});
    controls_.setItemIndex(modes, 0);

    area_->setColours(kWindowColour, kWindowColour);
    area_->CreateGraphArea(
        {groupGeometry(ctl::GroupBox6), groupGeometry(ctl::GroupBoxPrivera), overlay});
}

void GraphAreaHost::layout(int activePage, bool printLayout) {
    area_->setWindowColour(printLayout ? graphs::colour::kWhite : kWindowColour);
    const ui::ControlId overlay = controls_.id(named(graphs::kGridOverlay));
    std::array<ui::Rect, 100> edits{};
    std::array<ui::Rect, 100> upDowns{};
    for (std::size_t k = 0; k < 100; ++k) {
        edits[k] = controls_.at(index_.cellEdits[k]).bounds;
        upDowns[k] = controls_.at(index_.cellUpDowns[k]).bounds;
    }
    const bool tpsMap = controls_.checked(controls_.id(ctl::CheckBoxTpsMapa));
    const bool allRows = tpsMap && area_->mode() == graphs::GraphMode::Map;
    area_->setGridHitBoxes(controls_.at(overlay).bounds, edits, upDowns, allRows);

    graphs::LayoutInput in;
    in.advancePageShown = activePage == kAdvancePage;
    in.servoPageShown = activePage == kServoPage;
    in.servoEnabled = session_.image()[field::SERVO_ENABLE] != 0;
    in.tpsMapChecked = tpsMap;
    in.advanceGroup = groupGeometry(ctl::GroupBox6);
    in.gridOverlayTop = controls_.at(overlay).bounds.top;
    in.lastCellUpDown = controls_.at(index_.cellUpDowns[99]).bounds;
    in.firstRowUpDown = controls_.at(index_.cellUpDowns[9]).bounds;
    const graphs::LayoutResult r = area_->LayoutGraphs(in);

    const ui::ControlId map = controls_.id(named(graphs::kMapGraph));
    controls_.setBounds(map, r.mapGraph);
    controls_.setVisible(map, r.mapGraphVisible);
    ui::Rect overlayBounds = controls_.at(overlay).bounds;
    overlayBounds.height = r.gridOverlayHeight;
    // The surface takes its new size when the toolkit mirrors the bounds:
    // the overlay is drawn again at the next tick, at that size.
    if (overlayBounds != controls_.at(overlay).bounds) overlayResized_ = true;
    controls_.setBounds(overlay, overlayBounds);
    controls_.setVisible(overlay, r.gridOverlayVisible);
    for (std::string_view name : graphs::view3DControlNames())
        controls_.setVisible(controls_.id(named(name)), r.view3DVisible);
    controls_.setVisible(controls_.id(named(graphs::kServoGraph)), r.servoGraphVisible);
}

void GraphAreaHost::service(int activePage) {
    const Modifiers m = keyboard_.modifiers();
    graphs::TickInput in;
    in.keys = {m.shift(), m.ctrl()};
    in.liveRpm = session_.live().rpm;
    in.liveTps = session_.live().throttlePercent;
    in.tpsMapChecked = controls_.checked(controls_.id(ctl::CheckBoxTpsMapa));
    in.servoPageShown = activePage == kServoPage;
    in.servoEnabled = session_.image()[field::SERVO_ENABLE] != 0;
    area_->GraphService(in);
    if (overlayResized_) {
        overlayResized_ = false;
        area_->drawGridOverlay();
    }
}

bool GraphAreaHost::viewEvent(ui::ControlId control) {
    const std::string& name = controls_.at(control).name;
    if (name == graphs::kIsoButton) {
        area_->applyPreset(graphs::ViewPreset::Iso);
    } else if (name == graphs::kIso2Button) {
        area_->applyPreset(graphs::ViewPreset::Iso2);
    } else if (name == graphs::kTopButton) {
        area_->applyPreset(graphs::ViewPreset::Top);
    } else if (name == graphs::kFillCheck || name == graphs::kHeightColoursCheck) {
        const ui::ControlId height = controls_.id(named(graphs::kHeightColoursCheck));
        controls_.setEnabled(
            height, area_->fillSwitched(controls_.checked(controls_.id(named(graphs::kFillCheck))),
                                        controls_.checked(height)));
    } else {
        const auto bar = std::find(graphs::kAngleBars.begin(), graphs::kAngleBars.end(), name);
        if (bar == graphs::kAngleBars.end()) return false;
        area_->angleBarChanged(static_cast<int>(bar - graphs::kAngleBars.begin()),
                               controls_.at(control).position);
    }
    return true;
}

void GraphAreaHost::mouse(ui::ControlId surface, const PointerEvent& event) {
    graphs::MouseEvent e;
    e.type = static_cast<graphs::MouseEvent::Type>(event.type);
    e.button = static_cast<graphs::MouseButton>(event.button);
    e.keys = {event.shift, event.ctrl};
    e.x = event.x;
    e.y = event.y;
    area_->mouse(controls_.at(surface).name, e);
}

void GraphAreaHost::paint(std::string_view surface,
                          const std::function<void(graphs::Canvas&)>& draw) {
    surfaces_.paint(controls_.id(named(surface)), draw);
}

void GraphAreaHost::setHint(std::string_view surface, std::string_view text) {
    controls_.setHint(controls_.id(named(surface)), text);
}

void GraphAreaHost::movePointer(std::string_view surface, int x, int y) {
    surfaces_.movePointer(controls_.id(named(surface)), x, y);
}

void GraphAreaHost::focusControl(std::string_view name) {
    controls_.requestFocus(controls_.id(named(name)));
}

void GraphAreaHost::setAngleBars(const std::array<int, 3>& positions) {
    for (std::size_t i = 0; i < positions.size(); ++i)
        controls_.setPosition(controls_.id(named(graphs::kAngleBars[i])), positions[i]);
}

}  // namespace tz::presenter
