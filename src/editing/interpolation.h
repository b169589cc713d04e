// The interpolation command's core: fills the selected rectangle of the
// advance map between its four corner cells.
#pragma once

#include "editing/selection.h"
#include "params/image.h"

namespace tz::editing {

enum class InterpolationResult {
    Interpolated,
    // The selection is not a usable rectangle; the image is unchanged and
    // the window shows "Choose continuouse rectangle arrea of cells...".
    NoRectangle,
};

// Bilinear between the corners: columns weighted by their RPM breakpoints,
// rows evenly by index; results rounded half up and limited to a byte.
InterpolationResult interpolateSelection(const TSelcell& selection, Image& image);

}  // namespace tz::editing
