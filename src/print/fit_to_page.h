// The size at which a picture of the window is printed: stretched, keeping
// its proportions, to fill either the page height or the page width.
#pragma once

namespace tz {

struct PrintSize {
    int width = 0;
    int height = 0;
    bool operator==(const PrintSize&) const = default;
};

// Picture w x h on a printable area W x H (printer pixels). A picture or page
// without area prints at no size.
PrintSize fitToPage(int w, int h, int W, int H);

}  // namespace tz
