// Small helpers shared by the 32-bit bitmap tests.
#pragma once

#include "shell/Abitmap.h"

#include <array>
#include <cstdint>

using Pixel = std::array<uint8_t, 4>; // memory order: blue, green, red, fourth byte

inline void Fill(TBitmap& b, Pixel p) {
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            for (int c = 0; c < 4; ++c)
                b.ScanLine(y)[4 * x + c] = p[c];
}

inline Pixel At(const TBitmap& b, int x, int y) {
    const uint8_t* p = b.ScanLine(y) + 4 * x;
    return {p[0], p[1], p[2], p[3]};
}

inline void Set(TBitmap& b, int x, int y, Pixel p) {
    for (int c = 0; c < 4; ++c)
        b.ScanLine(y)[4 * x + c] = p[c];
}
