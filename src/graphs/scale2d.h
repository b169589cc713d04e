// Axis scaling of the 2D graph in its two layouts: stacked throttle rows of
// the advance map, or a single curve.
#pragma once

#include "graphs/graph.h"

namespace tz::graphs {

Axes scaleMapRows(const Curve& curve, int width, int height);
Axes scaleSingleCurve(const Curve& curve, int width, int height);

// The x axis ends past the last breakpoint and the limiter.
int xAxisEnd(const Curve& curve);

// yMin rounded down to a multiple of 10 with a 2-unit margin, never negative.
int roundedFloor(int smallest);

// Whether label i of the map's value axis is written when five value units
// take s pixels: all when they are far apart, fewer as they crowd.
bool valueLabelShown(int i, int s);

}  // namespace tz::graphs
