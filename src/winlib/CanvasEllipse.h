// Internal: filled and outlined ellipses with a 1-pixel pen, rasterised straight into a
// bitmap so that small dots come out symmetric and inside their bounding box.
#pragma once

#include "Graphics.h"

#include <utility>
#include <vector>

namespace cnv {

struct EllipsePaint {
    bool outline = false;
    TColor pen = clBlack;
    bool fill = false;
    TColor brush = clWhite;
};

// The pixels of the ellipse in a box of W x H pixels, row by row, counted from the box's corner:
// pixel centres within the ellipse through the outermost pixel centres, widened a little so that
// a box of 2 x 2 is full and one of 3 x 3 is a plus sign. The same for every box of that size,
// wherever it lies.
class EllipseRows {
  public:
    EllipseRows(int w, int h);
    // The pixels of row y (0 <= y < h): [s, e), empty when e <= s. Of those, the outline (the
    // pixels not covered by both neighbouring rows, and the row's two ends) is [s, e) when
    // !Inner, else [s, is) and [ie, e), with the inside [is, ie) between.
    struct Row {
        int s = 0, e = 0, is = 0, ie = 0;
        bool inner = false;
    };
    Row At(int y) const;
    // The same from the spans [s, e) of row y and of the rows above and below (empty ones where
    // the box ends), for callers that go down the rows and keep them.
    static Row Of(std::pair<int, int> above, std::pair<int, int> row, std::pair<int, int> below);
    // [x0, x1) of row y, 0 <= y < h; empty when x1 <= x0, and outside the box.
    std::pair<int, int> Span(int y) const;

  private:
    int w_, h_;
    double cx_, cy_, ax_, ay_;
};

// box is the bounding box with right and bottom excluded; clip the writable area.
void RasterEllipse(TBitmap& b, const TRect& box, const TRect& clip, const EllipsePaint& paint);

// The ellipses of a lattice in one colour (paint's outline and fill, where both are on, in the
// same colour): each row (top, bottom) with each column (left, right) of the set the row names.
// The same pixels as RasterEllipse on every box, gathered row of pixels by row of pixels: the
// columns of one size are one bit set, moved along by each pixel of a row of the shape, so that
// a row of a thousand overlapping rings costs a few dozen words instead of a thousand spans.
using Extents = std::vector<std::pair<int, int>>;
void RasterEllipseLattice(TBitmap& b, const std::vector<Extents>& columnSets,
                          const std::vector<TEllipseRow>& rows, const TRect& clip, const EllipsePaint& paint);

} // namespace cnv
