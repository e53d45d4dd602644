#include "RasterTarget.h"
#include "BitmapPixels.h"

#include <algorithm>

namespace cnv {

RasterTarget::RasterTarget(TBitmap& b, TColor color, TPenMode mode)
    : b_(b), rows_(b.Empty() ? nullptr : b.ScanLine(0)), stride_(static_cast<size_t>(b.BytesPerScanline())),
      bgrx_(bmpx::ColorToBgrx(color)), mode_(mode), bits_(b.BitsPerPixel()) {}

uint32_t RasterTarget::Combine(uint32_t dst) const {
    switch (mode_) {
    case pmNot:
        return ~dst & 0x00FFFFFF;
    case pmXor:
        return (dst ^ bgrx_) & 0x00FFFFFF;
    case pmMerge:
        return (dst | bgrx_) & 0x00FFFFFF;
    case pmMask:
        return dst & bgrx_ & 0x00FFFFFF;
    default:
        return bgrx_;
    }
}

void RasterTarget::HSpan(int x0, int x1, int y) {
    uint8_t* row = Row(y);
    if (mode_ == pmCopy && bits_ == 32) {
        // Fills write the fourth byte as 0 (it is not alpha).
        auto* p = reinterpret_cast<uint32_t*>(row);
        std::fill(p + x0, p + x1, bgrx_);
        return;
    }
    if (mode_ == pmCopy && bits_ == 24) {
        const uint8_t b = uint8_t(bgrx_), g = uint8_t(bgrx_ >> 8), r = uint8_t(bgrx_ >> 16);
        for (uint8_t* p = row + 3 * x0; p < row + 3 * x1; p += 3) {
            p[0] = b;
            p[1] = g;
            p[2] = r;
        }
        return;
    }
    for (int x = x0; x < x1; ++x)
        Pixel(x, y);
}

void RasterTarget::VSpan(int x, int y0, int y1) {
    for (int y = y0; y < y1; ++y)
        Pixel(x, y);
}

void RasterTarget::Pixel(int x, int y) {
    uint8_t* row = Row(y);
    const std::vector<TRGBQuad>& table = b_.ColorTable();
    if (mode_ == pmCopy) {
        if (bits_ == 32) {
            reinterpret_cast<uint32_t*>(row)[x] = bgrx_;
            return;
        }
        bmpx::Write(row, x, bits_, bgrx_, table);
        return;
    }
    bmpx::Write(row, x, bits_, Combine(bmpx::Read(row, x, bits_, table) & 0x00FFFFFF), table);
}

void RasterTarget::Fill(const TRect& r) {
    for (int y = r.Top; y < r.Bottom; ++y)
        HSpan(r.Left, r.Right, y);
}

} // namespace cnv
