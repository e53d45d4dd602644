// Drawing a bitmap onto a canvas: nearest neighbour, the fourth byte never taken as alpha.
#include "winlib/BitmapPixels.h"
#include "winlib/CanvasImpl.h"

#include <QImage>
#include <QPainter>

#include <algorithm>

namespace {

void DrawIntoBitmap(const TBitmap& src, TBitmap& dst, const TRect& R) {
    const int64_t sw = src.Width(), sh = src.Height(), dw = R.Width(), dh = R.Height();
    const int x0 = std::max(R.Left, 0), x1 = std::min(R.Right, dst.Width());
    const int y0 = std::max(R.Top, 0), y1 = std::min(R.Bottom, dst.Height());
    if (x0 >= x1 || y0 >= y1) return;
    const int sbits = src.BitsPerPixel(), dbits = dst.BitsPerPixel();
    const std::vector<TRGBQuad>& stable = src.ColorTable();
    std::vector<int> sx(static_cast<size_t>(x1 - x0));
    for (int x = x0; x < x1; ++x)
        sx[size_t(x - x0)] = static_cast<int>((x - R.Left) * sw / dw);
    for (int y = y0; y < y1; ++y) {
        const uint8_t* srow = src.ScanLine(static_cast<int>((y - R.Top) * sh / dh));
        uint8_t* drow = dst.ScanLine(y);
        if (sbits == 32 && dbits == 32) {
            const auto* s = reinterpret_cast<const uint32_t*>(srow);
            auto* d = reinterpret_cast<uint32_t*>(drow);
            for (int x = x0; x < x1; ++x)
                d[x] = s[sx[size_t(x - x0)]];
            continue;
        }
        for (int x = x0; x < x1; ++x) {
            const bmpx::Bgrx p = bmpx::Read(srow, sx[size_t(x - x0)], sbits, stable);
            bmpx::Write(drow, x, dbits, dbits == 32 && sbits == 32 ? p : p & 0x00FFFFFF, dst.ColorTable());
        }
    }
}

QImage OpaqueImage(const TBitmap& src) {
    QImage img(src.Width(), src.Height(), QImage::Format_RGB32);
    const int bits = src.BitsPerPixel();
    for (int y = 0; y < src.Height(); ++y) {
        const uint8_t* s = src.ScanLine(y);
        auto* d = reinterpret_cast<uint32_t*>(img.scanLine(y));
        for (int x = 0; x < src.Width(); ++x)
            d[x] = 0xFF000000u | bmpx::Read(s, x, bits, src.ColorTable());
    }
    return img;
}

} // namespace

void TBitmap::Draw(TCanvas* ACanvas, const TRect& R) {
    if (!ACanvas || Empty() || R.Right <= R.Left || R.Bottom <= R.Top) return;
    TCanvasImpl* impl = ACanvas->Impl();
    if (!impl) return;
    struct Done {
        TCanvasImpl* impl;
        ~Done() { impl->Changed(); }
    } done{impl};
    if (TBitmap* target = impl->Bitmap()) {
        if (target == this) {
            TBitmap copy;
            copy.Assign(this);
            DrawIntoBitmap(copy, *target, R);
        } else {
            DrawIntoBitmap(*this, *target, R);
        }
        return;
    }
    QPainter* p = impl->Painter();
    if (!p) return;
    p->setRenderHint(QPainter::SmoothPixmapTransform, false);
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->drawImage(QRect(R.Left, R.Top, R.Width(), R.Height()), OpaqueImage(*this));
}
