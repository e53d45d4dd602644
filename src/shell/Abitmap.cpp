#include "Abitmap.h"

#include "AbitmapArea.h"

TABitmap::TABitmap() {
    Do32();
}

TABitmap::~TABitmap() = default;

void TABitmap::Do32() {
    SetPixelFormat(pf32bit);
}

void TABitmap::SetSize(int w, int h) {
    Do32();
    // One reallocation: setting width and height one after the other keeps the same top-left
    // pixels and only costs a second copy of a page-sized picture.
    TBitmap::SetSize(w, h);
}

void TABitmap::Zero() {
    TBitmap::SetSize(0, 0);
    Do32();
}

void TABitmap::LoadFromFile(const AnsiString& FileName) {
    TBitmap::LoadFromFile(FileName);
    Do32();
}

void TABitmap::LoadFromStream(TStream* Stream) {
    TBitmap::LoadFromStream(Stream);
    Do32();
}

void TABitmap::Assign(TPersistent* Source) {
    TBitmap::Assign(Source);
    Do32();
}

static bool Inside(const TBitmap* b, int x, int y) {
    return x >= 0 && y >= 0 && x < b->Width() && y < b->Height() && b->BitsPerPixel() == 32;
}

void TABitmap::PutRGB(int x, int y, uint8_t r, uint8_t g, uint8_t b) {
    if (!Inside(this, x, y)) return;
    uint8_t* p = ScanLine(y) + 4 * x;
    p[0] = b;
    p[1] = g;
    p[2] = r;
}

void TABitmap::PutColor(int x, int y, TColor c) {
    PutRGB(x, y, static_cast<uint8_t>(GetRValue(c)), static_cast<uint8_t>(GetGValue(c)),
           static_cast<uint8_t>(GetBValue(c)));
}

void TABitmap::GetRGB(int x, int y, uint8_t& r, uint8_t& g, uint8_t& b) const {
    if (!Inside(this, x, y)) {
        r = g = b = 0;
        return;
    }
    const uint8_t* p = ScanLine(y) + 4 * x;
    b = p[0];
    g = p[1];
    r = p[2];
}

void TABitmap::GetColor(int x, int y, TColor& c) const {
    uint8_t r, g, b;
    GetRGB(x, y, r, g, b);
    c = r + g * 256 + b * 65536;
}

void TABitmap::FillBMP(uint8_t r, uint8_t g, uint8_t b) {
    if (Empty() || BitsPerPixel() != 32) return;
    for (int y = 0; y < Height(); ++y) {
        uint8_t* p = ScanLine(y);
        for (int x = 0; x < Width(); ++x, p += 4) {
            p[0] = b;
            p[1] = g;
            p[2] = r;
            p[3] = 0;
        }
    }
}

uint8_t RoundByte(int v) {
    return static_cast<uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v);
}

bool SelfCheck(const TBitmap* bmp) {
    return bmp != nullptr && bmp->Width() > 0;
}

bool SetXYWHAuto(int& sx, int& sy, int& w, int& h, int& dx, int& dy, int& dw, int& dh) {
    if ((dx < 0 && dx + w <= 0) || (dy < 0 && dy + h <= 0) || dx >= dw || dy >= dh) return false;
    if (dx < 0) {
        w += dx;
        sx -= dx;
        dx = 0;
    }
    if (dx + w > dw) w = dw - dx;
    if (dy < 0) {
        h += dy;
        sy -= dy;
        dy = 0;
    }
    if (dy + h > dh) h = dh - dy;
    return true;
}

uint8_t getbit(uint8_t b, uint8_t n) {
    return n > 7 ? 0 : static_cast<uint8_t>((b >> (7 - n)) & 1);
}

uint8_t setbit(uint8_t b, uint8_t n, uint8_t v) {
    return n > 7 ? b : static_cast<uint8_t>(b | (v << (7 - n)));
}

namespace abitmap {

static bool Usable(const TBitmap* b) {
    return SelfCheck(b) && b->BitsPerPixel() == 32;
}

bool PrepareBlend(const TBitmap* src, const TBitmap* dst, int dx, int dy, int w, int h, int sx, int sy,
                  BlendArea& area) {
    if (!Usable(src) || !Usable(dst)) return false;
    int dw = dst->Width(), dh = dst->Height();
    if (!SetXYWHAuto(sx, sy, w, h, dx, dy, dw, dh)) return false;
    // The destination clip leaves the source unchecked; clip to the source as well so a
    // rectangle reaching past it blends only the pixels both bitmaps have.
    if (sx < 0) {
        w += sx;
        dx -= sx;
        sx = 0;
    }
    if (sy < 0) {
        h += sy;
        dy -= sy;
        sy = 0;
    }
    if (sx + w > src->Width()) w = src->Width() - sx;
    if (sy + h > src->Height()) h = src->Height() - sy;
    if (w <= 0 || h <= 0) return false;
    area = {dx, dy, w, h, sx, sy};
    return true;
}

bool PrepareSelf(const TBitmap* bmp, int x, int y, int w, int h, BlendArea& area) {
    return PrepareBlend(bmp, bmp, x, y, w, h, x, y, area);
}

bool ClipToMask(const TBitmap* mask, BlendArea& a) {
    if (!SelfCheck(mask) || mask->BitsPerPixel() != 8) return false;
    int right = a.dx + a.w, bottom = a.dy + a.h;
    if (right > mask->Width()) a.w = mask->Width() - a.dx;
    if (bottom > mask->Height()) a.h = mask->Height() - a.dy;
    return a.w > 0 && a.h > 0;
}

} // namespace abitmap
