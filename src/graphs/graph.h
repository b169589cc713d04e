// The common base of the graphs: its own copy of a curve or of the advance
// map taken from the parameter image, the axis scaling, the mouse state and
// the live operating point. Edits made with the mouse go back into the
// image through normalisation, and the graph reloads what came out.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "canvas/canvas.h"
#include "editing/selection.h"
#include "graphs/graph_host.h"

namespace tz::graphs {

// Point indexes of dragIndex and hoverIndex besides the columns 0..9.
inline constexpr int kNoPoint = -100;
inline constexpr int kBasePoint = -1;
inline constexpr int kLimiterLine = -2;
// The virtual point at the right end of the x axis.
inline constexpr int kEndPoint = 10;

// Bits of dirtyFlags.
inline constexpr int kRedraw = 1;
inline constexpr int kRescale = 2;

// Layouts.
inline constexpr int kSingleCurve = 1;
inline constexpr int kMapRows = 3;

// Which part of the image a graph shows.
enum class GraphSource : std::uint8_t { AdvanceMap, ServoCurve };

enum class MouseButton : std::uint8_t { Left, Right, Middle };

struct Keys {
    bool shift = false;
    bool ctrl = false;
};

// The data a graph draws and edits, in its own units.
struct Curve {
    int mode = 0;                     // kSingleCurve or kMapRows; 0 before loading
    std::array<int, 10> xs{};         // rpm of each column
    std::array<int, 10> rowValues{};  // throttle percent of each row
    std::array<double, 100> z{};      // values, z[10 * row + column]; single curve z[0..9]
    bool baseShown = false;
    int baseValue = 0;
    bool limiterShown = false;
    int limiterRpm = 0;
    std::string valueAxisName;
    std::string rowAxisName;
    std::string rowSuffix;
    double labelScale = 1.0;  // value units to axis labels
    int colourMin = -1;       // range of the 3D height colours; -1: automatic
    int colourMax = -1;

    // The value of column c in row r; the single curve ignores the row.
    double value(int r, int c) const { return z[index(r, c)]; }
    double& value(int r, int c) { return z[index(r, c)]; }
    int index(int r, int c) const { return mode == kMapRows ? 10 * r + c : c; }
};

// Axis scaling, set by Rescale.
struct Axes {
    double scaleX = 1.0;  // pixels per rpm
    double scaleY = 1.0;  // pixels per value unit
    int marginLeft = 0;
    int marginRight = 0;
    int marginTop = 0;
    int marginBottom = 0;
    int originX = 0;  // pixel of value yMin at 0 rpm
    int originY = 0;
    int plotWidth = 0;
    int plotHeight = 0;
    int rowOffset = 5;  // value units between adjacent throttle rows
    int xMax = 0;
    int yMax = 0;
    int yTop = 0;
    int yMin = 0;
};

struct MouseState {
    bool inside = false;
    int x = -1;
    int y = -1;
    Keys keys;
    int dragIndex = kNoPoint;
    int dragRow = 0;
    int grabDX = 0;
    int grabDY = 0;
    int hoverIndex = kNoPoint;
    int hoverRow = 9;
    bool skipNextMove = false;
};

struct LiveState {
    int lastRpm = 0;
    int lastTps = 0;
    int redrawMask = 0;     // bit 0: rpm changes redraw, bit 1: throttle changes
    bool marker = false;    // live values have been tracked
    int column = kNoPoint;  // kNoPoint while the engine stands
    int row = 0;
    bool stale = false;  // reloaded data: find the live point at the next tick
};

// The rpm at the right end of the x axis for a largest speed m: the next
// step of 2500 rpm at least 900 rpm beyond it.
constexpr int axisEndRpm(int m) {
    return (m + 900 + 2400) / 2500 * 2500;
}

class TGraph {
  public:
    TGraph(GraphHost& host, GraphSource source, std::string surface);
    virtual ~TGraph() = default;
    TGraph(const TGraph&) = delete;
    TGraph& operator=(const TGraph&) = delete;

    // Placement: the size of the graph's surface.
    void setSize(int width, int height);
    int width() const { return width_; }
    int height() const { return height_; }
    const std::string& surface() const { return surface_; }
    GraphSource source() const { return source_; }

    // Mouse events of the surface, in its pixels.
    void mouseLeave();
    void mouseMove(Keys keys, int x, int y);
    void mouseDown(MouseButton button, Keys keys, int x, int y);
    void mouseUp(MouseButton button, Keys keys, int x, int y);

    // The state of Shift and Ctrl; a change requests a redraw.
    void setKeys(Keys keys);

    virtual void ClearHover();
    virtual void MouseMoved() = 0;
    virtual void MousePressed() {}
    virtual void MouseReleased() {}
    // A wheel step; handled becomes true when the step changed something.
    virtual void Wheel(int delta, bool& handled) = 0;
    virtual void Draw(Canvas& canvas) = 0;
    virtual void Rescale() = 0;

    // Copies the image into the graph's curve.
    void LoadFromImage();
    // Writes the curve into the image, then commits the edit or only
    // normalises the image.
    void StoreToImage(bool commit);
    void Refresh(bool commit);
    // Follows the engine's operating point; tpsMap is the state of the TPS
    // map switch.
    void TrackLive(int rpm, int tps, bool tpsMap);

    // The graph's copy of the data, its scaling, mouse and live state.
    Curve curve;
    Axes axes;
    MouseState mouse;
    LiveState live;
    int dirtyFlags = kRescale;
    // The selection that the graph's rubber band writes and the one that
    // receives a copy of each finished band.
    editing::TSelcell* selection = nullptr;
    editing::TSelcell* partnerSelection = nullptr;
    // The graph's background, the toolkit's button-face colour.
    Rgb background = rgb(0xF0F0F0);

  protected:
    GraphHost& host() { return host_; }
    // Shows the status text unless it is already shown.
    void setHint(const std::string& text);

  private:
    GraphHost& host_;
    GraphSource source_;
    std::string surface_;
    std::string hint_;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace tz::graphs
