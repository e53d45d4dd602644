#include "BackgroundPreview.h"

#include <algorithm>
#include <vector>

TABitmap* TBackgroundPreview::Get(const TABitmap& Picture, const TRect& Rect, const TRect& Bounds,
                                  TColor Ground, int Opacity, TRect& Shown) {
    const int64_t width = int64_t(Rect.Right) - Rect.Left, height = int64_t(Rect.Bottom) - Rect.Top;
    // An empty or inverted rectangle draws nothing; the picture is read as 32-bit rows.
    if (Picture.Empty() || Picture.BitsPerPixel() != 32 || width <= 0 || height <= 0) return nullptr;
    Shown = TRect(std::max(Rect.Left, Bounds.Left), std::max(Rect.Top, Bounds.Top),
                  std::min(Rect.Right, Bounds.Right), std::min(Rect.Bottom, Bounds.Bottom));
    if (Shown.Left >= Shown.Right || Shown.Top >= Shown.Bottom) return nullptr;
    const Key k{Picture.Revision(),
                width,
                height,
                static_cast<int>(int64_t(Shown.Left) - Rect.Left),
                static_cast<int>(int64_t(Shown.Top) - Rect.Top),
                Shown.Right - Shown.Left,
                Shown.Bottom - Shown.Top,
                ColorToRGB(Ground),
                std::clamp(Opacity, 0, 255)};
    if (key_ != k) {
        key_.reset(); // a copy left half made by a failure is not kept
        Make(Picture, k);
        key_ = k;
    }
    return &copy_;
}

void TBackgroundPreview::Make(const TABitmap& Picture, const Key& k) {
    // The visible part at preview size: pixel x of the rectangle shows picture column
    // x * picture width / rectangle width, likewise for rows.
    const int64_t sw = Picture.Width(), sh = Picture.Height();
    std::vector<int> column(static_cast<size_t>(k.shownW));
    for (int x = 0; x < k.shownW; ++x)
        column[size_t(x)] = static_cast<int>((k.left + x) * sw / k.width);
    TABitmap scaled;
    scaled.SetSize(k.shownW, k.shownH);
    for (int y = 0; y < k.shownH; ++y) {
        const auto* src = reinterpret_cast<const uint32_t*>(
            Picture.ScanLine(static_cast<int>((k.top + y) * sh / k.height)));
        auto* dst = reinterpret_cast<uint32_t*>(scaled.ScanLine(y));
        for (int x = 0; x < k.shownW; ++x)
            dst[x] = src[column[size_t(x)]];
    }
    // Blended over the ground as the whole picture would be: each pixel on its own.
    copy_.SetSize(k.shownW, k.shownH);
    copy_.FillBMP(static_cast<uint8_t>(GetRValue(k.ground)), static_cast<uint8_t>(GetGValue(k.ground)),
                  static_cast<uint8_t>(GetBValue(k.ground)));
    scaled.ColorAlpha(0, 0, k.shownW, k.shownH, 0, 0, &copy_, static_cast<uint16_t>(k.opacity));
}
