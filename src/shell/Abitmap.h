// A bitmap that always holds 32-bit pixels (B,G,R,X) and the rectangle blends that combine
// one such bitmap with another pixel by pixel.
//
// Every blend takes, in this order: destination x, destination y, width, height, source x,
// source y, the destination bitmap, then its own values. The object the blend is called on is
// the source; the destination is changed in place. The rectangle is clipped to the destination
// (SetXYWHAuto) and then to the source, so a blend never touches a pixel outside either bitmap.
// Both bitmaps must hold 32 bits per pixel; otherwise, when either is empty, when the opacity
// is 0 or when nothing is left after clipping, a blend does nothing.
//
// The members whose names end in MMX are vectorised twins of the plain ones with the same
// result; nothing chooses between them at run time.
#pragma once

#include "winlib/Graphics.h"

#include <cstdint>

class TABitmap : public TBitmap {
  public:
    TABitmap();
    ~TABitmap() override;

    // Pixel format := 32 bits; existing pixels are converted.
    void Do32();
    void SetSize(int w, int h) override;
    void SetSizeP(TPoint p) { SetSize(p.x, p.y); }
    void Zero();

    void LoadFromFile(const AnsiString& FileName) override;
    void LoadFromStream(TStream* Stream) override;
    void Assign(TPersistent* Source) override;

    // Single pixels; coordinates outside the bitmap write nothing and read black.
    void PutRGB(int x, int y, uint8_t r, uint8_t g, uint8_t b);
    void PutColor(int x, int y, TColor c);
    void GetRGB(int x, int y, uint8_t& r, uint8_t& g, uint8_t& b) const;
    void GetColor(int x, int y, TColor& c) const;
    // Every pixel := blue, green, red, 0.
    void FillBMP(uint8_t r, uint8_t g, uint8_t b);

    // Constant opacity over all four bytes: d := (s*a + d*(256-a)) >> 8; a above 255 counts as 255.
    void ColorAlpha(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst, uint16_t alpha) const;
    void ColorAlphaMMX(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst, uint16_t alpha) const;
    // Two pixels per step; an odd width hands the call to ColorAlphaMMX.
    void ColorAlphaMMX64(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst, uint16_t alpha) const;

    // Copies whole pixels except those of the key colour (system colours resolved first).
    void ColorKey(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst, TColor key) const;
    // Pixels of the key colour are skipped; the others get the constant-opacity blend on the colour
    // bytes. The vectorised twin blends the fourth byte too.
    void ColorKeyAlpha(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst, TColor key,
                       uint8_t alpha) const;
    void ColorKeyAlphaMMX(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst, TColor key,
                          uint16_t alpha) const;

    // The source's fourth byte A is a transparency (0 opaque, 255 clear); only the colour bytes
    // change: d := (s*(255-A) + d*(A+1)) >> 8.
    void ColorAlphaPic(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst) const;
    void ColorAlphaPicMMX(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst) const;
    // As ColorAlphaPic, but A = 0 copies the colour bytes exactly.
    void ColorAlphaPicCh(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst) const;
    void ColorAlphaPicChMMX(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst) const;
    // t = ((256-A)*alpha) >> 8; d := (s*t + d*(256-t)) >> 8 on the colour bytes; alpha above 256
    // counts as 256.
    void ColorAlphaPicAlpha(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst, uint16_t alpha) const;
    void ColorAlphaPicAlphaMMX(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst,
                               uint16_t alpha) const;
    // As ColorAlphaPicAlpha with alpha above 255 counting as 255; clear pixels are skipped.
    void ColorAlphaPicAlphaCh(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst,
                              uint16_t alpha) const;
    void ColorAlphaPicAlphaChMMX(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst,
                                 uint16_t alpha) const;
    // As ColorAlphaPicAlpha on all four bytes.
    void CopyAlpha32(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst, uint16_t alpha) const;

    // A wipe through an 8-bit mask read at destination coordinates. edge = 2^edgeBits,
    // L = (level*(edge+256)) >> 8 and for a mask value m: m > L leaves the pixel, L-m <= edge
    // blends the colour bytes with weight w = L-m out of edge, and more copies them. Pixels
    // outside the mask are left alone; edgeBits above 30 count as 30.
    void ColorAlphaPicTrans(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst, const TBitmap* mask,
                            uint16_t level, uint16_t edgeBits) const;
    // Edge bits above 8 do not fit the vector lanes; such calls go to the plain member.
    void ColorAlphaPicTransMMX(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst,
                               const TBitmap* mask, uint16_t level, uint16_t edgeBits) const;
    // As ColorAlphaPicTrans with the source weight further scaled by (256-A) >> 8.
    void ColorAlphaPicAlphaTrans(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst,
                                 const TBitmap* mask, uint16_t level, uint16_t edgeBits) const;
    void ColorAlphaPicAlphaTransMMX(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst,
                                    const TBitmap* mask, uint16_t level, uint16_t edgeBits) const;

    // Tints a rectangle of this bitmap: each colour byte := (byte*(256-a) + channel*a) >> 8.
    void RectAngleAlpha(int x, int y, int w, int h, TColor color, uint8_t alpha);
    void RectAngleAlphaMMX(int x, int y, int w, int h, TColor color, uint8_t alpha);

    // All four bytes: d := min(255, d + min(255, (s*alpha) >> 8)).
    void ColorAdd(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst, uint16_t alpha) const;
    void ColorAddMMX(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst, uint16_t alpha) const;
    // All four bytes: d := max(0, d - ((s*alpha) >> 8)).
    void ColorSub(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst, uint16_t alpha) const;
    void ColorSubMMX(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst, uint16_t alpha) const;
};

// The value limited to 0..255.
uint8_t RoundByte(int v);
// True when the bitmap exists and its width is greater than 0.
bool SelfCheck(const TBitmap* bmp);
// Clips a blend rectangle to the destination (dw x dh): a part left of or above the
// destination is cut off (moving the source position with it) and so is a part past its right
// or bottom edge. False, changing nothing, when the rectangle lies wholly left of or above the
// destination or starts at or past its right or bottom edge. The source is not looked at.
bool SetXYWHAuto(int& sx, int& sy, int& w, int& h, int& dx, int& dy, int& dw, int& dh);

// Processor identification, for information only.
bool MMXCheck();
bool SSE2Check();

// Bit 7-n of b (n = 0 is the most significant bit); 0 for n above 7.
uint8_t getbit(uint8_t b, uint8_t n);
// b OR (v << (7-n)); it only sets bits; b unchanged for n above 7.
uint8_t setbit(uint8_t b, uint8_t n, uint8_t v);

// out := colour's size; colour and out become 32-bit, alpha 24-bit; each out pixel is colour's
// blue, green, red with alpha's blue as the fourth byte (0 where alpha does not reach).
void Convert24Ato32(TBitmap* colour, TBitmap* alpha, TBitmap* out);
// out := source's size; source becomes 24-bit, out 8-bit; each out byte is the source pixel's blue.
void Convert24Ato8(TBitmap* source, TBitmap* out);
