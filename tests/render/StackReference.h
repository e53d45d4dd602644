// Thick lines drawn the plain way: every one-pixel line of every stack, the ones off the canvas
// and the ones a later stack draws over included. The renderers draw only what shows; their
// pictures must be these.
#pragma once

#include "render/RenderConventions.h"
#include "winlib/Graphics.h"

namespace rendertest {

// A horizontal line from X1 to X2 (X2 not drawn) W pixels thick, centred at the floating row Y:
// its lines lie at ToPixel(Y - W * 0.5 + j) for j = 0, 1, ... while j < W.
inline void EveryStackLineAcross(TCanvas* c, int x1, int x2, double y, double w) {
    for (int j = 0; j < w; ++j) {
        const int row = ToPixel(y - w * 0.5 + j);
        c->MoveTo(x1, row);
        c->LineTo(x2, row);
    }
}

// The same down the page, centred at the floating column X.
inline void EveryStackLineDown(TCanvas* c, double x, int y1, int y2, double w) {
    for (int j = 0; j < w; ++j) {
        const int column = ToPixel(x - w * 0.5 + j);
        c->MoveTo(column, y1);
        c->LineTo(column, y2);
    }
}

} // namespace rendertest
