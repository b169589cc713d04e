// How well one colour reads on another, as the usual contrast ratio of
// relative luminances (1 for equal colours, 21 for black on white), and the
// nearest colour that reads well enough.
#pragma once

#include "canvas/canvas.h"

namespace tz::graphs {

// Text of the window's size wants 4.5, marks and other pictures 3.
inline constexpr double kTextContrast = 4.5;
inline constexpr double kMarkContrast = 3.0;

double relativeLuminance(Rgb colour);
double contrastRatio(Rgb a, Rgb b);

// `wanted` itself when it has at least `minimum` contrast on `background`;
// else `wanted` mixed with white on a dark background or black on a light one,
// as little as reaches the minimum (the pure white or black when nothing
// less does), so that a colour keeps as much of its hue as it can.
Rgb readableOn(Rgb wanted, Rgb background, double minimum);

}  // namespace tz::graphs
