// The 3D graph: the advance map as a surface over engine speed, throttle
// row and advance, in a parallel projection under three rotation angles.
// The surface is painted from its far side to its near side; each triangle
// takes a front or back colour from its winding on the screen. A colour
// legend beside it shows the height colours and the live value.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "graphs/colour_table.h"
#include "graphs/graph.h"

namespace tz::graphs {

struct ScreenPoint {
    double x = 0;
    double y = 0;
    double depth = 0;
};

using Matrix3 = std::array<std::array<double, 3>, 3>;

// Angle bar positions: one step is 5 degrees.
inline constexpr int kAngleBarMin = -36;
inline constexpr int kAngleBarMax = 36;
using AngleBars = std::array<int, 3>;

class TGraph3D final : public TGraph {
  public:
    static constexpr int kLegendWidth = 120;

    TGraph3D(GraphHost& host, std::string surface, std::string legendSurface);

    void MouseMoved() override;
    void MousePressed() override;
    void MouseReleased() override;
    void Wheel(int delta, bool& handled) override;
    void Draw(Canvas& canvas) override;
    void Rescale() override;
    void DrawLegend(Canvas& canvas) const;

    ScreenPoint Project(double x, double v, double t) const;
    void DrawTriangle(Canvas& canvas, const ScreenPoint& a, const ScreenPoint& b,
                      const ScreenPoint& c, Rgb front, Rgb back, Rgb edge, bool fill) const;
    // The ramp colour of a value in the graph's colour range.
    Rgb colourOf(double w) const;

    // The view: angle bars X, Y, Z and the two check boxes.
    const AngleBars& angleBars() const { return angleBars_; }
    // Takes the positions (limited to the bars' range); a rescale follows.
    void setAngleBars(const AngleBars& positions);
    bool fill() const { return fill_; }
    bool heightColours() const { return heightColours_; }
    void setFill(bool fill, bool heightColours);

    const std::string& legendSurface() const { return legendSurface_; }
    void setLegendHeight(int height) { legendHeight_ = height; }
    // The live cell's value, when the engine runs on the map.
    std::optional<int> liveValue() const;
    // True while the view is seen from the top.
    bool topView() const { return angleBars_[0] == -18 && angleBars_[2] == 0; }

    const ColourTable& colourTable() const { return colourTable_; }
    double aspect = 1.0;
    double scaleT = 1.0;
    int tpsAxisLength = 9;
    Matrix3 rotation{};
    Matrix3 projection{};

  private:
    struct Corner;
    Corner corner(int h, int row, bool right) const;
    void drawQuad(Canvas& canvas, int w, int h, int sx, int st) const;
    void drawAxisLine(Canvas& canvas, const ScreenPoint& end) const;
    void drawAxisEnd(Canvas& canvas, const ScreenPoint& end, const std::string& name) const;
    // The colour range: the graph's own, or the value range when automatic.
    std::pair<int, int> colourRange() const;

    std::string legendSurface_;
    int legendHeight_ = 0;
    AngleBars angleBars_{};
    bool fill_ = true;
    bool heightColours_ = true;
    ColourTable colourTable_;
    std::array<double, 3> dragStartAngles_{};
    int grabX_ = 0;
    int grabY_ = 0;
};

}  // namespace tz::graphs
