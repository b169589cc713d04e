// The graph area of the advance map and servo pages: the three graphs, the
// three cell selections and the grid overlay, the graph mode, the 3D view
// controls, the placement rules run by every layout refresh and the graph
// service run at every tick. The window creates the controls (see
// graph_area_controls.h), applies the placement this unit computes and
// hands it the mouse, wheel and tick events.
#pragma once

#include <array>
#include <string_view>

#include "controls/control.h"
#include "editing/selection.h"
#include "graphs/graph2d.h"
#include "graphs/graph3d.h"
#include "graphs/graph_host.h"

namespace tz::graphs {

// Names of the drawing surfaces (canvas controls).
inline constexpr std::string_view kGridOverlay = "ImageGridOverlay";
inline constexpr std::string_view kMapGraph = "ImageGraphMap";
inline constexpr std::string_view kGraph3D = "ImageGraph3D";
inline constexpr std::string_view kLegend3D = "ImageGraph3DLegend";
inline constexpr std::string_view kServoGraph = "ImageGraphServo";

enum class GraphMode { Map = 0, TwoD = 1, ThreeD = 2 };
enum class ActiveGraph { None = 0, Map = 1, ThreeD = 2 };
enum class ViewPreset { Iso, Iso2, Top };

AngleBars presetBars(ViewPreset preset);

struct MouseEvent {
    enum class Type { Move, Press, Release, Leave };
    Type type = Type::Move;
    MouseButton button = MouseButton::Left;
    Keys keys;
    int x = 0;
    int y = 0;
};

// A group box's place in its parent and its size.
struct GroupGeometry {
    int left = 0;
    int width = 0;
    int height = 0;
};

struct CreateInput {
    GroupGeometry advanceGroup;
    GroupGeometry servoGroup;
    ui::Rect gridOverlay;  // from gridOverlayBounds()
};

struct LayoutInput {
    bool advancePageShown = false;
    bool servoPageShown = false;
    bool servoEnabled = false;  // image byte SERVO_ENABLE
    bool tpsMapChecked = false;
    GroupGeometry advanceGroup;
    int gridOverlayTop = 0;
    ui::Rect lastCellUpDown;  // UpDown149
    ui::Rect firstRowUpDown;  // UpDown59
};

struct LayoutResult {
    ActiveGraph active = ActiveGraph::None;
    ui::Rect mapGraph;
    bool mapGraphVisible = false;
    int gridOverlayHeight = 0;
    bool gridOverlayVisible = false;
    // The 3D graph, its legend, buttons, check boxes, labels and bars.
    bool view3DVisible = false;
    bool servoGraphVisible = false;
};

struct TickInput {
    Keys keys;  // either Shift, either Ctrl
    int liveRpm = 0;
    int liveTps = 0;
    bool tpsMapChecked = false;
    bool servoPageShown = false;
    bool servoEnabled = false;
};

class GraphArea {
  public:
    explicit GraphArea(GraphHost& host);
    GraphArea(const GraphArea&) = delete;
    GraphArea& operator=(const GraphArea&) = delete;

    // The selection of record (grid, commands, 3D), the map graph's copy and
    // the servo graph's, which stays empty.
    editing::TSelcell& selection() { return selection_; }
    const editing::TSelcell& selection() const { return selection_; }
    const editing::TSelcell& selectionCopy() const { return selectionCopy_; }
    TGraph2D& mapGraph() { return map_; }
    const TGraph2D& mapGraph() const { return map_; }
    TGraph3D& graph3D() { return view3D_; }
    TGraph2D& servoGraph() { return servo_; }
    GraphMode mode() const { return mode_; }
    ActiveGraph active() const { return active_; }

    // Start-up: sizes, selections, the "ISO" view, the overlay drawn once.
    void CreateGraphArea(const CreateInput& input);
    // The graph mode radio group was clicked; the window then refreshes its
    // layout and records the change.
    void setMode(int index);
    // The graph part of every layout refresh; reloads the shown graphs.
    LayoutResult LayoutGraphs(const LayoutInput& input);
    // Every tick: modifier keys, live tracking, captions, coalesced redraws.
    void GraphService(const TickInput& input);
    // The window's mouse wheel: one event per tick, to the active graph.
    // True when it changed something.
    bool MouseWheel(int delta);

    // Mouse events of the canvas controls, by surface name.
    void mouse(std::string_view surface, const MouseEvent& event);

    // View controls of the 3D graph.
    void applyPreset(ViewPreset preset);
    void angleBarChanged(int axis, int position);
    // "Fill" or "Height colors" clicked; "Height colors" is enabled exactly
    // when the result is true.
    bool fillSwitched(bool fill, bool heightColours);

    // The grid's hit boxes after a layout refresh: overlay and cell places
    // in the group box, and whether all ten rows are shown.
    void setGridHitBoxes(const ui::Rect& overlay, const std::array<ui::Rect, 100>& cellEdits,
                         const std::array<ui::Rect, 100>& cellUpDowns, bool allRows);
    void drawGridOverlay();
    // The keyboard selected the cells spanned by two cells, or dropped the
    // selection: as after a band, the map graph's copy follows, the overlay
    // and the graphs are drawn again and the captions filled.
    void selectCells(editing::CellPos anchor, editing::CellPos corner);
    void clearSelection();
    // Redraws every graph at the next tick (dirty bits for all three).
    void requestRedraw(int flags) { pendingFlags_ |= flags; }

    // The window colours: graph backgrounds and the overlay's.
    void setColours(Rgb graphBackground, Rgb windowColour);
    // The window's colour alone (white while printing), taken by the next
    // drawing of the grid overlay.
    void setWindowColour(Rgb windowColour) { windowColour_ = windowColour; }

  private:
    void overlayMouse(const MouseEvent& event);
    void selectionChanged();
    // Refills the captions when the selection's state changed since they
    // were last filled.
    void captionsFollowSelection();
    void paintGraph(TGraph& graph);

    GraphHost& host_;
    editing::TSelcell selection_;
    editing::TSelcell selectionCopy_;
    editing::TSelcell servoSelection_;
    TGraph2D map_;
    TGraph3D view3D_;
    TGraph2D servo_;
    GraphMode mode_ = GraphMode::Map;
    ActiveGraph active_ = ActiveGraph::None;
    int pendingFlags_ = 0;
    bool wheelGuard_ = false;
    editing::BandState lastSelectionState_ = editing::BandState::Empty;
    int overlayWidth_ = 0;
    int overlayHeight_ = 0;
    Rgb windowColour_ = colour::kWhite;
};

// The grid overlay's place: from 45 left and 14 above the first cell edit to
// 5 right and 15 below the bottom cell's up-down.
ui::Rect gridOverlayBounds(const ui::Rect& firstCellEdit, const ui::Rect& bottomUpDown);

}  // namespace tz::graphs
