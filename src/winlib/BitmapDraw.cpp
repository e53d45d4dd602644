// Drawing a bitmap onto a canvas: nearest neighbour, the fourth byte never taken as alpha.
#include "BitmapPixels.h"
#include "widgetset/WSGraphics.h"

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

} // namespace

void TBitmap::Draw(TCanvas* ACanvas, const TRect& R) {
    if (!ACanvas || Empty() || R.Right <= R.Left || R.Bottom <= R.Top) return;
    TWSCanvas* ws = ACanvas->WS();
    if (!ws) return;
    struct Done {
        TWSCanvas* ws;
        ~Done() { ws->Changed(); }
    } done{ws};
    if (TBitmap* target = ws->Bitmap()) {
        if (target == this) {
            TBitmap copy;
            copy.Assign(this);
            DrawIntoBitmap(copy, *target, R);
        } else {
            DrawIntoBitmap(*this, *target, R);
        }
        return;
    }
    ws->StretchBitmap(R, *this);
}
