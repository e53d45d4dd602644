// Free helpers of the picture codec: row sizes, colour tables, palettes and pixel runs, the
// drawing of a part of a bitmap, file names, a debug message and the screen's description.
#pragma once

#include "winlib/Graphics.h"

#include <cstdint>

// A colour table in the layout of a device-independent bitmap (blue, green, red, 0).
using TPixPalRGB = TRGBQuad[256];

// Row size in bytes, padded to a multiple of 4.
int64_t GetLineSize(int64_t Width, int Bits);
int64_t GetDIBMemLen(int64_t Width, int64_t Height, int Bits);
// Colour count of an indexed format, 0 for direct colour.
int GetMaxColorSub(int Bits);

// The header of a device-independent bitmap.
struct TBitmapInfoHeader {
    uint32_t biSize = 40;
    int32_t biWidth = 0, biHeight = 0;
    uint16_t biPlanes = 1, biBitCount = 0;
    uint32_t biCompression = 0, biSizeImage = 0;
    int32_t biXPelsPerMeter = 0, biYPelsPerMeter = 0;
    uint32_t biClrUsed = 0, biClrImportant = 0;
};
// The colours of the bitmap's table: its used-colour count when given, else all its depth indexes.
int GetMaxColor(const TBitmapInfoHeader& Header);
// Fills a grey ramp for the bit depth and returns the number of entries.
int CreateGrayScalePalette(TRGBQuad* Table, int Bits);
int GetNearestColorTableIndex(const TRGBQuad* Table, TColor Color, int Count);
int GetNearestPaletteEntryIndex(const TPaletteEntry* Entries, TColor Color, int Count);
int GetNearestPaletteIndex(HPALETTE Palette, TColor Color);
TColor GetNearestPaletteColor(HPALETTE Palette, TColor Color);
TColor GetPaletteColor(HPALETTE Palette, int Index);
int GetPaletteColorTable(HPALETTE Palette, TRGBQuad* Table);
HPALETTE CreatePaletteHandle(const TRGBQuad* Table, int Count);
// There is no system palette to clear on a true-colour display.
inline void ClearSystemPalette() {}
// Copies Count pixels starting at pixel First of Src to the start of Dest.
void CopyPixelLine(const uint8_t* Src, uint8_t* Dest, int First, int Count, int Bits);
TColor SwapBR(TColor Color);
int GetMaskShift(uint32_t Mask);
inline int FixMul(int a, int b) {
    return static_cast<int>((static_cast<int64_t>(a) * b) >> 16);
}
inline int ConvertInchToMeter(int PerInch) {
    return static_cast<int>(PerInch * 10000.0 / 254);
}
bool CheckRect(int x1, int y1, int w1, int h1, int x2, int y2, int w2, int h2);
inline int CmpTime(int64_t a, int64_t b) {
    return a < b ? -1 : (a > b ? 1 : 0);
}
template <class T> int Sgn(T v) {
    return v < 0 ? -1 : (v > 0 ? 1 : 0);
}
template <class T> T Min(T a, T b) {
    return a < b ? a : b;
}
template <class T> T Max(T a, T b) {
    return a > b ? a : b;
}
template <class T> void Xchange(T& a, T& b) {
    T t = a;
    a = b;
    b = t;
}

// The raster operation of a plain copy, the only one that bitmaps are drawn with here.
constexpr uint32_t SRCCOPY = 0x00CC0020;
// Copies the Width x Height pixels of Bitmap from (SrcX, SrcY) unscaled to (X, Y) on Canvas; what
// lies outside the bitmap is not drawn. Any operation but SRCCOPY draws nothing and returns false.
bool DrawBitmapHandle(TCanvas* Canvas, int X, int Y, int Width, int Height, TBitmap* Bitmap, int SrcX,
                      int SrcY, uint32_t Rop);

// The folder part of Path followed by the file's (or folder's) name as the file system holds it
// (its own case where names compare without it); "" when there is no such file.
AnsiString GetLongFileName(const AnsiString& Path);

// A message box with Text, captioned "デバッグ中", above the program's windows until answered.
void DebugMes(const AnsiString& Text);

// The screen as found when the object was made. There are no palette screens and no display
// modes to switch to here: ChangeDisplay only agrees to the mode the screen is in.
class TPixSystemInfo {
  public:
    TPixSystemInfo();
    ~TPixSystemInfo();
    TPixSystemInfo(const TPixSystemInfo&) = delete;
    TPixSystemInfo& operator=(const TPixSystemInfo&) = delete;

    // The screen's size in pixels, asked afresh.
    int GetWidth() const;
    int GetHeight() const;
    // Bits per pixel as found at creation; there are no palette screens.
    int GetBitCount() const { return bits_; }
    int GetPaletteSize() const { return 0; }
    int DisplayFrequency() const { return frequency_; }
    // The operating system's name and release, e.g. "Linux 6.1.0".
    const AnsiString& OSVersion() const { return osVersion_; }
    // True when the screen already shows Width x Height at Bits (nothing to change); false for
    // any other mode, which cannot be set here, or once the mode was changed.
    bool ChangeDisplay(int Width, int Height, int Bits);
    // Puts back a mode this object changed; as none can be changed here, nothing to do.
    void RestoreDisplay();

  private:
    AnsiString osVersion_;
    int width_ = 0, height_ = 0, bits_ = 0, frequency_ = 0;
    bool changed_ = false;
};

// The codec's screen description, made the first time it is asked for (once the application
// runs, so that the screen can be asked) and released when the program ends.
TPixSystemInfo& PixSystemInfo();
