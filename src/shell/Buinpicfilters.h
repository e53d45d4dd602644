// In-place picture operations on bitmaps: quarter turns, flips and a family of colour and
// neighbourhood filters.
//
// Every operation takes the bitmap first and returns whether it ran. The turns and the filters
// work on 24-bit (B,G,R) and 32-bit (B,G,R,X) bitmaps only; on any other pixel format they return
// false and leave the bitmap untouched. The colour filters keep the fourth byte of 32-bit pixels;
// Mosaic and the turns move all four bytes. The two flips work on every pixel format.
//
// Progress: after each row, an assigned OnBusy is called with (row just finished, row count).
// RotateTopBottom, RotateMirror and Postlarization never call it.
#pragma once

#include "winlib/Graphics.h"

#include <cstdint>
#include <functional>

using TBuinBusyEvent = std::function<void(int iPosition, int iAll)>;

class TBuinPicFilters : public TObject {
  public:
    TBuinBusyEvent OnBusy;

    // Turns and flips.
    bool RotateTopBottom(TBitmap* Bitmap); // row i goes to row height-1-i
    bool RotateMirror(TBitmap* Bitmap);    // column i goes to column width-1-i
    bool Rotate90Right(TBitmap* Bitmap);   // clockwise: the new top row is the old left column
    bool Rotate90Left(TBitmap* Bitmap);    // counter-clockwise: the new top row is the old right column

    // Colour and neighbourhood filters. Channel selectors: 0 all three colour bytes, 1, 2, 3 the
    // first, second, third byte of the pixel; other values change nothing.
    bool Monochrome(TBitmap* Bitmap);
    bool Sepia(TBitmap* Bitmap, TColor Tint);
    bool Mosaic(TBitmap* Bitmap, int CellWidth, int CellHeight); // false for a cell side below 1
    bool Bright(TBitmap* Bitmap, int16_t Delta);
    bool Blur(TBitmap* Bitmap, int16_t Radius); // false for a radius below 1
    bool ColorRevison(TBitmap* Bitmap, int Red, int Green, int Blue);
    bool Nega(TBitmap* Bitmap);
    bool Contrast(TBitmap* Bitmap, int Amount);
    bool Solarization(TBitmap* Bitmap, uint8_t Channel, int Threshold);
    bool Postlarization(TBitmap* Bitmap, int Channel, int Levels); // false for levels outside 1..256
    // Selectors 0, 1, 2 name the first, second, third byte; others give false.
    bool ChannelExchange(TBitmap* Bitmap, uint8_t ChannelA, uint8_t ChannelB, bool InvertA, bool InvertB);
    // Integer affine mapping x' = A*x + B*y + Dx, y' = C*x + D*y + Dy from Source to Dest, taken
    // backwards: each Dest pixel is fetched from the Source pixel the inverse mapping gives, whose
    // products share the divisor A*D - B*C (false when it is 0). Dest pixels whose source lies
    // outside Source stay as they were. Source's format is checked; Dest must have the same.
    bool Affine(TBitmap* Source, TBitmap* Dest, int A, int B, int C, int D, int Dx, int Dy);

  private:
    void Busy(int Position, int All) const;
};
