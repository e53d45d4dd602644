// Image lists and masked bitmaps.
#include "ImageListImpl.h"

#include "winlib/BitmapPixels.h"
#include "CanvasImpl.h"

#include <QPainter>

QImage MaskedImage(const TBitmap& Bitmap, TColor MaskColor) {
    QImage img(Bitmap.Width(), Bitmap.Height(), QImage::Format_ARGB32);
    const bmpx::Bgrx mask = bmpx::ColorToBgrx(MaskColor);
    const int bits = Bitmap.BitsPerPixel();
    for (int y = 0; y < Bitmap.Height(); ++y) {
        const uint8_t* s = Bitmap.ScanLine(y);
        auto* d = reinterpret_cast<uint32_t*>(img.scanLine(y));
        for (int x = 0; x < Bitmap.Width(); ++x) {
            const bmpx::Bgrx p = bmpx::Read(s, x, bits, Bitmap.ColorTable()) & 0x00FFFFFFu;
            d[x] = p == mask ? 0u : 0xFF000000u | p;
        }
    }
    return img;
}

TImageList::TImageList(TComponent* AOwner, int Width, int Height)
    : TComponent(AOwner), width_(Width), height_(Height), images_(std::make_unique<Images>()) {}

TImageList::~TImageList() = default;

int TImageList::Count() const {
    return static_cast<int>(images_->list.size());
}

int TImageList::AddMasked(TBitmap* Image, TColor MaskColor) {
    QImage img(width_, height_, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    if (Image && !Image->Empty()) {
        QPainter p(&img);
        p.drawImage(0, 0, MaskedImage(*Image, MaskColor));
    }
    images_->list.push_back(std::move(img));
    return Count() - 1;
}

void TImageList::Draw(TCanvas* Canvas, int X, int Y, int Index) const {
    const QImage img = ImageAt(this, Index);
    TCanvasImpl* impl = Canvas ? Canvas->Impl() : nullptr;
    if (img.isNull() || !impl) return;
    if (QPainter* p = impl->Painter()) {
        p->setCompositionMode(QPainter::CompositionMode_SourceOver);
        p->drawImage(X, Y, img);
    }
    impl->Changed();
}
