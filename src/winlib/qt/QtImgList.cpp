// The Qt side of image lists, and masked bitmaps as images.
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

std::unique_ptr<TWSImageList> ws::CreateImageListImages() {
    return std::make_unique<TQtImages>();
}

void TQtImages::AddMasked(const TBitmap* Image, TColor MaskColor, int Width, int Height) {
    QImage img(Width, Height, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    if (Image && !Image->Empty()) {
        QPainter p(&img);
        p.drawImage(0, 0, MaskedImage(*Image, MaskColor));
    }
    list.push_back(std::move(img));
}

void TQtImages::Draw(TCanvas* Canvas, int X, int Y, int Index) const {
    const QImage& img = list[static_cast<size_t>(Index)];
    TCanvasImpl* impl = Canvas->Impl();
    if (img.isNull() || !impl) return;
    if (QPainter* p = impl->Painter()) {
        p->setCompositionMode(QPainter::CompositionMode_SourceOver);
        p->drawImage(X, Y, img);
    }
    impl->Changed();
}
