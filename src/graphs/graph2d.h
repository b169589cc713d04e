// The 2D graph: the advance map as ten stacked throttle-row curves, or one
// curve (the servo curve, or the 100 % row with the TPS map off), over
// engine speed. Points can be hovered, dragged, wheeled and selected with a
// rubber band; the base point at 0 rpm and the limiter line can be dragged.
#pragma once

#include <string>

#include "graphs/graph.h"

namespace tz::graphs {

class TGraph2D final : public TGraph {
  public:
    using TGraph::TGraph;

    void MouseMoved() override;
    void MousePressed() override;
    void MouseReleased() override;
    void Wheel(int delta, bool& handled) override;
    void Draw(Canvas& canvas) override;
    void Rescale() override;

    // Writes a hit box around every point into the selection.
    void BuildHitBoxes();

    // Pixel of point index (kBasePoint .. kEndPoint) of row r.
    Point pointAt(int r, int index) const;
    int limiterX() const;
    // The status text for the current hover or drag.
    std::string statusText() const;
    // What the label next to the pointer shows while a point is dragged: its
    // speed, its throttle row when the map has rows, and its value; empty
    // while nothing is dragged.
    std::string dragLabel() const;

  private:
    bool mapRows() const { return curve.mode == kMapRows; }
    bool servo() const { return source() == GraphSource::ServoCurve; }
    void hoverSearch();
    void dragTo();
    // Adds delta to the cells that an edit of (row, column) reaches under the
    // held keys: Shift its row, Ctrl its column, both the whole map.
    void addToReached(int row, int column, int delta);
    // Steps the hovered point, else the selected cells, else the live cell;
    // false when there is none of them.
    bool wheelTargets(int step);

    void drawMapRows(Canvas& canvas);
    void drawSingleCurve(Canvas& canvas);
    void drawGrid(Canvas& canvas, Rgb pen, int horizontalLines);
    void drawXLabels(Canvas& canvas);
    void drawAxesAndBand(Canvas& canvas);
    void drawCurve(Canvas& canvas, int r, Rgb pen, Rgb fill);
    void drawLimiterMark(Canvas& canvas);
    void drawDragLabel(Canvas& canvas);
    // Selection flags of point index of row r; 0 for points that are no cell.
    int flagsOf(int r, int index) const;
};

}  // namespace tz::graphs
