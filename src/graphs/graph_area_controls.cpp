#include "graphs/graph_area_controls.h"

#include <string>

namespace tz::graphs {

namespace {

ui::Control make(ui::Kind kind, std::string_view name, ui::Rect bounds,
                 std::string_view caption = {}) {
    ui::Control c;
    c.kind = kind;
    c.name = name;
    c.bounds = bounds;
    c.caption = caption;
    return c;
}

ui::Control canvas(std::string_view name, ui::Rect bounds) {
    ui::Control c = make(ui::Kind::Canvas, name, bounds);
    c.tabStop = false;
    return c;
}

}  // namespace

std::vector<ui::Control> advanceGroupControls(const GroupGeometry& group,
                                              const ui::Rect& gridOverlay) {
    const int graphHeight = group.height - 2 * 7 - 35;
    const int top3D = 7;
    std::vector<ui::Control> out;
    out.push_back(canvas(kGridOverlay, gridOverlay));
    ui::Control map = canvas(kMapGraph, {2, 7, group.width - 2 * group.left, graphHeight});
    map.visible = false;
    out.push_back(map);

    const std::vector<ui::Control> view = {
        canvas(kGraph3D, {175, top3D, group.width - 175 - 2, graphHeight}),
        canvas(kLegend3D, {10, 170, TGraph3D::kLegendWidth, top3D + graphHeight - 170}),
        make(ui::Kind::Button, kIsoButton, {10, 20, 50, 20}, "ISO"),
        make(ui::Kind::Button, kIso2Button, {65, 20, 50, 20}, "ISO2"),
        make(ui::Kind::Button, kTopButton, {120, 20, 50, 20}, "TOP"),
        make(ui::Kind::CheckBox, kFillCheck, {10, 50, 100, 15}, "Fill"),
        make(ui::Kind::CheckBox, kHeightColoursCheck, {10, 70, 100, 15}, "Height colors"),
    };
    for (ui::Control c : view) {
        c.visible = false;
        c.checked = c.kind == ui::Kind::CheckBox;
        out.push_back(c);
    }
    const std::array<std::string_view, 3> axisNames = {"X:", "Y:", "Z:"};
    for (std::size_t i = 0; i < 3; ++i) {
        const int y = 100 + 20 * static_cast<int>(i);
        ui::Control label = make(ui::Kind::Label, kAngleLabels[i], {10, y, 14, 17}, axisNames[i]);
        label.visible = false;
        out.push_back(label);
        ui::Control bar = make(ui::Kind::TrackBar, kAngleBars[i], {25, y, 130, 17});
        bar.min = kAngleBarMin;
        bar.max = kAngleBarMax;
        bar.tickStep = 6;
        bar.position = 0;
        bar.visible = false;
        out.push_back(bar);
    }
    return out;
}

ui::Control servoGraphControl(const GroupGeometry& group) {
    ui::Control c =
        canvas(kServoGraph, {2, 120, group.width - 2 * group.left, group.height - 120 - 10});
    c.visible = false;
    return c;
}

std::vector<std::string_view> view3DControlNames() {
    std::vector<std::string_view> names = {kGraph3D,   kLegend3D,  kIsoButton,         kIso2Button,
                                           kTopButton, kFillCheck, kHeightColoursCheck};
    names.insert(names.end(), kAngleLabels.begin(), kAngleLabels.end());
    names.insert(names.end(), kAngleBars.begin(), kAngleBars.end());
    return names;
}

}  // namespace tz::graphs
