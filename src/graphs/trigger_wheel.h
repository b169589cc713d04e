// The trigger wheel as the Bike page's settings describe it: the lobes of the
// rotor, the pick-ups, each channel's maximum-advance and start-advance
// points, and top dead centre; and its picture, drawn through the canvas.
//
// The wheel is drawn turning clockwise and standing where channel 1's
// maximum-advance point passes its pick-up. The lobes follow each other at
// even angles in the order they pass a pick-up; a method with a missing lobe
// leaves one slot empty (two for 48-2), a method with an inserted lobe puts a
// short extra lobe into the gap after the last one, the wide-lobe method
// widens lobe 1. Pick-up 1 stands at the top, pick-up 2 opposite it. Top
// dead centre is the point of the wheel at the pick-up when the engine has
// turned on by the map's largest advance.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "canvas/canvas.h"
#include "params/image.h"

namespace tz::graphs {

// Angles in degrees, clockwise from the top, within 0..360.
struct WheelLobe {
    int number = 0;         // 1..LOBE_COUNT; 0 for an inserted lobe
    double firstEdge = 0;   // the leading edge, which passes a pick-up first
    double secondEdge = 0;  // the trailing edge
};

struct WheelPickup {
    int number = 1;
    double angle = 0;
};

struct WheelPoint {
    int channel = 1;
    bool start = false;  // the start-advance point; else the maximum-advance point
    int lobe = 1;
    bool secondEdge = false;
    int pickup = 1;
    double angle = 0;
};

struct WheelLayout {
    std::vector<WheelLobe> lobes;
    std::vector<WheelPickup> pickups;
    std::vector<WheelPoint> points;  // channel 1's maximum and start, then channel 2's
    double tdc = 0;
    int largestAdvance = 0;  // degrees, the map's largest cell as the window shows it
};

WheelLayout triggerWheelLayout(const Image& image);

// The words the picture writes, in the caller's language.
struct WheelLabels {
    std::string_view tdc;
    std::span<const std::string> caption;  // lines, drawn beside or below the wheel
};

// The wheel fills the canvas's height, with the caption to its right when
// the canvas is wide, else below it. Each lobe is drawn in a group "lobe",
// an inserted one in "inserted-lobe", each pick-up in "pickup", each point in
// "point", the top dead centre mark in "tdc".
void drawTriggerWheel(Canvas& canvas, const WheelLayout& layout, const WheelLabels& labels);

}  // namespace tz::graphs
