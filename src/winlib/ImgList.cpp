// Image lists: small pictures of one size, kept by the toolkit and drawn by index.
#include "ImgList.h"

#include "widgetset/WSImgList.h"

TImageList::TImageList(TComponent* AOwner, int Width, int Height)
    : TComponent(AOwner), width_(Width), height_(Height), images_(ws::CreateImageListImages()) {}

TImageList::~TImageList() = default;

int TImageList::Count() const {
    return images_->Count();
}

int TImageList::AddMasked(TBitmap* Image, TColor MaskColor) {
    images_->AddMasked(Image, MaskColor, width_, height_);
    return Count() - 1;
}

void TImageList::Draw(TCanvas* Canvas, int X, int Y, int Index) const {
    if (!Canvas || Index < 0 || Index >= Count()) return;
    images_->Draw(Canvas, X, Y, Index);
}
