// Small helpers for pixel tests on bitmap canvases.
#pragma once

#include "winlib/Graphics.h"

#include <string>

// A 32-bit bitmap of the given size, filled white.
inline void MakeWhite(TBitmap& b, int w, int h) {
    b.SetPixelFormat(pf32bit);
    b.SetSize(w, h);
    b.Canvas()->Brush()->SetColor(clWhite);
    b.Canvas()->FillRect(Rect(0, 0, w, h));
}

// One text row per bitmap row: '#' where the pixel is not white, '.' where it is.
inline std::string Picture(TBitmap& b, TRect r) {
    std::string s;
    for (int y = r.Top; y < r.Bottom; ++y) {
        for (int x = r.Left; x < r.Right; ++x)
            s += b.Canvas()->Pixel(x, y) == clWhite ? '.' : '#';
        s += '\n';
    }
    return s;
}

inline int CountNonWhite(TBitmap& b) {
    int n = 0;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            n += b.Canvas()->Pixel(x, y) != clWhite;
    return n;
}
