// Internal to the layer: the pictures of an image list, kept by the toolkit.
#pragma once

#include "winlib/Graphics.h"

#include <memory>

class TWSImageList {
  public:
    virtual ~TWSImageList() = default;
    virtual int Count() const = 0;
    // Appends the bitmap (null or empty: a transparent image) cut or padded to Width x Height;
    // its pixels of MaskColor are transparent.
    virtual void AddMasked(const TBitmap* Image, TColor MaskColor, int Width, int Height) = 0;
    // Draws image Index (in range) over what Canvas shows, top-left corner at (X, Y).
    virtual void Draw(TCanvas* Canvas, int X, int Y, int Index) const = 0;
};

namespace ws {
std::unique_ptr<TWSImageList> CreateImageListImages();
}
