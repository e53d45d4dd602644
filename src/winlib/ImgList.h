// Image lists: small pictures of one size, drawn by index on menus, tool bars and status bars.
#pragma once

#include "Graphics.h"

class TWSImageList;

class TImageList : public TComponent {
  public:
    explicit TImageList(TComponent* AOwner, int Width = 16, int Height = 16);
    ~TImageList() override;
    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const;
    // Adds the bitmap as the next image (cut or padded to the list's size); its pixels of
    // MaskColor are transparent. Returns the image's index.
    int AddMasked(TBitmap* Image, TColor MaskColor);
    // Draws image Index with its top-left corner at (X, Y), over what is there; an index that
    // is not in the list draws nothing.
    void Draw(TCanvas* Canvas, int X, int Y, int Index) const;

    // The pictures as the toolkit keeps them, for the layer's widgets.
    const TWSImageList& Pictures() const { return *images_; }

  private:
    int width_, height_;
    std::unique_ptr<TWSImageList> images_;
};
