// Millimetres turned into device pixels, truncated towards zero. Margins of kilometres (a typed
// "1e12") saturate at a billion pixels instead of overflowing, far beyond any paper and still
// room for the +-1 adjustments of the band and strip arithmetic.
#pragma once

#include <algorithm>
#include <cmath>

constexpr double kPixelLimit = 1e9;

inline int SaturatedPixels(double v) {
    if (std::isnan(v)) return 0;
    return static_cast<int>(std::clamp(v, -kPixelLimit, kPixelLimit));
}
