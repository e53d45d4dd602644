// Internal: filled and outlined ellipses with a 1-pixel pen, rasterised straight into a
// bitmap so that small dots come out symmetric and inside their bounding box.
#pragma once

#include "Graphics.h"

namespace cnv {

struct EllipsePaint {
    bool outline = false;
    TColor pen = clBlack;
    bool fill = false;
    TColor brush = clWhite;
};

// box is the bounding box with right and bottom excluded; clip the writable area.
void RasterEllipse(TBitmap& b, const TRect& box, const TRect& clip, const EllipsePaint& paint);

} // namespace cnv
