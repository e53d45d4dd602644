// Internal to the Qt side of the layer: the pictures of an image list and of the program's icon
// as Qt images.
#pragma once

#include "winlib/ImgList.h"
#include "winlib/widgetset/WSImgList.h"

#include <QIcon>
#include <QImage>

#include <vector>

class TQtImages : public TWSImageList {
  public:
    int Count() const override { return static_cast<int>(list.size()); }
    void AddMasked(const TBitmap* Image, TColor MaskColor, int Width, int Height) override;
    void Draw(TCanvas* Canvas, int X, int Y, int Index) const override;

    std::vector<QImage> list;
};

// The bitmap as an image with an alpha channel: pixels of MaskColor become transparent.
QImage MaskedImage(const TBitmap& Bitmap, TColor MaskColor);

// The image at Index, or a null image.
inline QImage ImageAt(const TImageList* List, int Index) {
    if (!List || Index < 0 || Index >= List->Count()) return QImage();
    return static_cast<const TQtImages&>(List->Pictures()).list[static_cast<size_t>(Index)];
}
