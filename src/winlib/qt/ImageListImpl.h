// Internal to the layer: the pictures of an image list and of the program's icon as Qt images.
#pragma once

#include "winlib/ImgList.h"

#include <QIcon>
#include <QImage>

#include <vector>

struct TImageList::Images {
    std::vector<QImage> list;
};

// The bitmap as an image with an alpha channel: pixels of MaskColor become transparent.
QImage MaskedImage(const TBitmap& Bitmap, TColor MaskColor);

// The image at Index, or a null image.
inline QImage ImageAt(const TImageList* List, int Index) {
    if (!List || Index < 0 || Index >= List->Count()) return QImage();
    return List->Pictures().list[static_cast<size_t>(Index)];
}
