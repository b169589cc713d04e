#include "graphs/graph_area.h"

#include <algorithm>

namespace tz::graphs {

namespace {

constexpr int kMapGraphTop = 7;
// With the TPS map off the single row of cells sits above the 2D graph.
constexpr int kMapGraphTopBelowRow = 100;

}  // namespace

AngleBars presetBars(ViewPreset preset) {
    switch (preset) {
        case ViewPreset::Iso:
            return {-8, 4, 0};
        case ViewPreset::Iso2:
            return {-8, 28, 0};
        case ViewPreset::Top:
            return {-18, 0, 0};
    }
    return {};
}

ui::Rect gridOverlayBounds(const ui::Rect& firstCellEdit, const ui::Rect& bottomUpDown) {
    const int left = firstCellEdit.left - 45;
    const int top = firstCellEdit.top - 14;
    return {left, top, bottomUpDown.right() + 5 - left, bottomUpDown.bottom() + 15 - top};
}

GraphArea::GraphArea(GraphHost& host)
    : host_(host),
      map_(host, GraphSource::AdvanceMap, std::string(kMapGraph)),
      view3D_(host, std::string(kGraph3D), std::string(kLegend3D)),
      servo_(host, GraphSource::ServoCurve, std::string(kServoGraph)) {
    map_.selection = &selectionCopy_;
    map_.partnerSelection = &selection_;
    view3D_.selection = &selection_;
    servo_.selection = &servoSelection_;
}

void GraphArea::setColours(Rgb graphBackground, Rgb windowColour) {
    for (TGraph* g : {static_cast<TGraph*>(&map_), static_cast<TGraph*>(&view3D_),
                      static_cast<TGraph*>(&servo_)})
        g->background = graphBackground;
    windowColour_ = windowColour;
    pendingFlags_ |= kRedraw;
}

void GraphArea::CreateGraphArea(const CreateInput& input) {
    overlayWidth_ = input.gridOverlay.width;
    overlayHeight_ = input.gridOverlay.height;
    drawGridOverlay();
    mode_ = GraphMode::Map;

    const GroupGeometry& a = input.advanceGroup;
    const int graphHeight = a.height - 2 * kMapGraphTop - 35;
    map_.setSize(a.width - 2 * a.left, graphHeight);
    view3D_.setSize(a.width - 175 - 2, graphHeight);
    view3D_.setLegendHeight(kMapGraphTop + graphHeight - 170);
    applyPreset(ViewPreset::Iso);

    const GroupGeometry& s = input.servoGroup;
    servo_.setSize(s.width - 2 * s.left, s.height - 120 - 10);
    pendingFlags_ |= kRescale;
}

void GraphArea::setMode(int index) {
    mode_ = static_cast<GraphMode>(std::clamp(index, 0, 2));
}

LayoutResult GraphArea::LayoutGraphs(const LayoutInput& input) {
    LayoutResult out;
    int top = kMapGraphTop;
    ui::Rect bottom = input.lastCellUpDown;
    if (input.advancePageShown) {
        out.active = static_cast<ActiveGraph>(mode_);
        if (mode_ == GraphMode::Map && !input.tpsMapChecked) {
            out.active = ActiveGraph::Map;
            top = kMapGraphTopBelowRow;
            bottom = input.firstRowUpDown;
        }
    }
    active_ = out.active;
    const GroupGeometry& g = input.advanceGroup;
    out.mapGraph = {2, top, g.width - 2 * g.left, g.height - top - 42};
    out.gridOverlayHeight = bottom.bottom() - input.gridOverlayTop + 15;
    overlayHeight_ = out.gridOverlayHeight;
    out.gridOverlayVisible = mode_ == GraphMode::Map;

    map_.setSize(out.mapGraph.width, out.mapGraph.height);
    out.mapGraphVisible = out.active == ActiveGraph::Map;
    if (out.mapGraphVisible) {
        map_.LoadFromImage();
        pendingFlags_ |= kRescale;
    }
    out.view3DVisible = mode_ == GraphMode::ThreeD;
    if (out.view3DVisible) {
        view3D_.LoadFromImage();
        if (out.active != ActiveGraph::None) pendingFlags_ |= kRescale;
    }
    out.servoGraphVisible = input.servoEnabled;
    if (input.servoPageShown && input.servoEnabled) {
        servo_.LoadFromImage();
        pendingFlags_ |= kRescale;
    }
    return out;
}

void GraphArea::paintGraph(TGraph& graph) {
    host_.paint(graph.surface(), [&graph](Canvas& canvas) { graph.Draw(canvas); });
    graph.dirtyFlags = 0;
}

void GraphArea::GraphService(const TickInput& input) {
    wheelGuard_ = false;
    captionsFollowSelection();

    TGraph* tracked = nullptr;
    if (active_ == ActiveGraph::Map) tracked = &map_;
    if (active_ == ActiveGraph::ThreeD) tracked = &view3D_;
    if (input.servoPageShown && input.servoEnabled) tracked = &servo_;
    if (tracked != nullptr) {
        tracked->setKeys(input.keys);
        tracked->TrackLive(input.liveRpm, input.liveTps, input.tpsMapChecked);
    }

    map_.dirtyFlags |= pendingFlags_;
    view3D_.dirtyFlags |= pendingFlags_;
    servo_.dirtyFlags |= pendingFlags_;
    pendingFlags_ = 0;

    if (active_ == ActiveGraph::Map && map_.dirtyFlags != 0) paintGraph(map_);
    if (active_ == ActiveGraph::ThreeD && view3D_.dirtyFlags != 0) {
        host_.paint(view3D_.surface(), [this](Canvas& canvas) { view3D_.Draw(canvas); });
        host_.paint(view3D_.legendSurface(),
                    [this](Canvas& canvas) { view3D_.DrawLegend(canvas); });
        view3D_.dirtyFlags = 0;
    }
    if (input.servoEnabled && servo_.dirtyFlags != 0) paintGraph(servo_);
}

bool GraphArea::MouseWheel(int delta) {
    if (wheelGuard_) return false;
    wheelGuard_ = true;
    bool handled = false;
    if (active_ == ActiveGraph::Map) map_.Wheel(delta, handled);
    if (active_ == ActiveGraph::ThreeD) view3D_.Wheel(delta, handled);
    return handled;
}

void GraphArea::mouse(std::string_view surface, const MouseEvent& event) {
    if (surface == kGridOverlay) {
        overlayMouse(event);
        return;
    }
    TGraph* graph = nullptr;
    if (surface == kMapGraph) graph = &map_;
    if (surface == kGraph3D) graph = &view3D_;
    if (surface == kServoGraph) graph = &servo_;
    if (graph == nullptr) return;
    const bool banding = graph->selection != nullptr && graph->selection->banding();
    switch (event.type) {
        case MouseEvent::Type::Move:
            graph->mouseMove(event.keys, event.x, event.y);
            break;
        case MouseEvent::Type::Press:
            graph->mouseDown(event.button, event.keys, event.x, event.y);
            break;
        case MouseEvent::Type::Release:
            graph->mouseUp(event.button, event.keys, event.x, event.y);
            break;
        case MouseEvent::Type::Leave:
            graph->mouseLeave();
            break;
    }
    // A band finished in the map graph shows on the grid too.
    if (graph == &map_ && banding && !selectionCopy_.banding()) drawGridOverlay();
}

void GraphArea::overlayMouse(const MouseEvent& event) {
    switch (event.type) {
        case MouseEvent::Type::Press: {
            // Shift and Ctrl together count as neither.
            const bool both = event.keys.shift && event.keys.ctrl;
            selection_.boundsWidth = overlayWidth_;
            selection_.boundsHeight = overlayHeight_;
            selection_.StartBand(event.x, event.y, event.keys.shift && !both,
                                 event.keys.ctrl && !both);
            break;
        }
        case MouseEvent::Type::Move:
            if (selection_.banding() && selection_.ExtendBand(event.x, event.y)) drawGridOverlay();
            break;
        case MouseEvent::Type::Release:
            selection_.FinishBand();
            selectionChanged();
            break;
        case MouseEvent::Type::Leave:
            break;
    }
}

void GraphArea::selectionChanged() {
    selectionCopy_.CopyFrom(selection_);
    pendingFlags_ |= kRedraw;
    drawGridOverlay();
    captionsFollowSelection();
}

void GraphArea::captionsFollowSelection() {
    // Only the selection's state shows in a caption ("Sel" or "All").
    if (selection_.state == lastSelectionState_) return;
    lastSelectionState_ = selection_.state;
    host_.refreshCaptions();
}

void GraphArea::selectCells(editing::CellPos anchor, editing::CellPos corner) {
    selection_.SelectCells(anchor, corner);
    selectionChanged();
}

void GraphArea::clearSelection() {
    selection_.Clear();
    selectionChanged();
}

void GraphArea::drawGridOverlay() {
    host_.paint(kGridOverlay,
                [this](Canvas& canvas) { selection_.DrawOverlay(canvas, windowColour_); });
}

void GraphArea::setGridHitBoxes(const ui::Rect& overlay, const std::array<ui::Rect, 100>& cellEdits,
                                const std::array<ui::Rect, 100>& cellUpDowns, bool allRows) {
    overlayWidth_ = overlay.width;
    overlayHeight_ = overlay.height;
    selection_.ClearHitBoxes();
    for (int r = allRows ? 0 : 9; r < 10; ++r) {
        for (int c = 0; c < 10; ++c) {
            const ui::Rect& edit = cellEdits[10 * r + c];
            const ui::Rect& upDown = cellUpDowns[10 * r + c];
            const int top = edit.top - overlay.top - 1;
            selection_.cellRects[10 * r + c] = {edit.left - overlay.left, top,
                                                upDown.right() - overlay.left, top + edit.height};
        }
    }
    drawGridOverlay();
}

void GraphArea::applyPreset(ViewPreset preset) {
    view3D_.setAngleBars(presetBars(preset));
    host_.setAngleBars(view3D_.angleBars());
}

void GraphArea::angleBarChanged(int axis, int position) {
    AngleBars bars = view3D_.angleBars();
    bars[static_cast<std::size_t>(std::clamp(axis, 0, 2))] = position;
    view3D_.setAngleBars(bars);
}

bool GraphArea::fillSwitched(bool fill, bool heightColours) {
    view3D_.setFill(fill, heightColours);
    return fill;
}

}  // namespace tz::graphs
