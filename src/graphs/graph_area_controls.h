// The controls of the graph area as records for the window's control model,
// placed relative to their group box. The window adds them under the
// "Advance Map" and "Servo" group boxes at start-up (the grid overlay sent
// behind the cells) and gives RadioGroupGraphMode its three items.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "controls/control.h"
#include "graphs/graph_area.h"

namespace tz::graphs {

inline constexpr std::array<std::string_view, 3> kGraphModeItems = {"Map", "2D", "3D"};

// Names of the 3D view controls.
inline constexpr std::string_view kIsoButton = "ButtonGraphIso";
inline constexpr std::string_view kIso2Button = "ButtonGraphIso2";
inline constexpr std::string_view kTopButton = "ButtonGraphTop";
inline constexpr std::string_view kFillCheck = "CheckBoxGraphFill";
inline constexpr std::string_view kHeightColoursCheck = "CheckBoxGraphHeightColors";
inline constexpr std::array<std::string_view, 3> kAngleLabels = {
    "LabelGraphAngleX", "LabelGraphAngleY", "LabelGraphAngleZ"};
inline constexpr std::array<std::string_view, 3> kAngleBars = {"TrackBarGraphX", "TrackBarGraphY",
                                                               "TrackBarGraphZ"};

// The grid overlay, the map graph, the 3D graph with its legend and view
// controls, in the order they are created.
std::vector<ui::Control> advanceGroupControls(const GroupGeometry& group,
                                              const ui::Rect& gridOverlay);
ui::Control servoGraphControl(const GroupGeometry& group);

// The names of the controls shown and hidden together with the 3D graph.
std::vector<std::string_view> view3DControlNames();

}  // namespace tz::graphs
