// Conversions between a colour bitmap with a separate transparency picture and one 32-bit bitmap.
#include "Abitmap.h"

void Convert24Ato32(TBitmap* colour, TBitmap* alpha, TBitmap* out) {
    // out cannot share the transparency picture: the two need different pixel formats.
    if (colour == nullptr || alpha == nullptr || out == nullptr || out == alpha) return;
    colour->SetPixelFormat(pf32bit);
    alpha->SetPixelFormat(pf24bit);
    out->SetPixelFormat(pf32bit);
    out->SetSize(colour->Width(), colour->Height());
    out->SetPixelFormat(pf32bit);
    const int w = colour->Width(), h = colour->Height();
    for (int y = 0; y < h; ++y) {
        const uint8_t* c = colour->ScanLine(y);
        uint8_t* o = out->ScanLine(y);
        // The transparency picture may be smaller: where it ends the fourth byte is 0.
        const uint8_t* a = y < alpha->Height() ? alpha->ScanLine(y) : nullptr;
        const int aw = a ? (alpha->Width() < w ? alpha->Width() : w) : 0;
        for (int x = 0; x < w; ++x) {
            const uint8_t fourth = x < aw ? a[3 * x] : 0;
            o[4 * x] = c[4 * x];
            o[4 * x + 1] = c[4 * x + 1];
            o[4 * x + 2] = c[4 * x + 2];
            o[4 * x + 3] = fourth;
        }
    }
}

void Convert24Ato8(TBitmap* source, TBitmap* out) {
    if (source == nullptr || out == nullptr || out == source) return;
    source->SetPixelFormat(pf24bit);
    out->SetPixelFormat(pf8bit);
    out->SetSize(source->Width(), source->Height());
    out->SetPixelFormat(pf8bit);
    for (int y = 0; y < source->Height(); ++y) {
        const uint8_t* s = source->ScanLine(y);
        uint8_t* o = out->ScanLine(y);
        for (int x = 0; x < source->Width(); ++x)
            o[x] = s[3 * x];
    }
}
