// TBitmap storage: rows top first, each padded to 4 bytes, in the layout of its pixel format.
#include "BitmapPixels.h"
#include "widgetset/WSGraphics.h"
#include "SysUtils.h"

#include <algorithm>
#include <atomic>
#include <cstring>

namespace {

// Refuse bitmaps beyond this many bytes instead of letting the allocation take the machine down.
constexpr int64_t kMaxBitmapBytes = int64_t(1) << 30;

bool IsIndexed(int bits) {
    return bits <= 8;
}

int Index332(bmpx::Bgrx p) {
    const int r = (bmpx::BgrxR(p) * 7 + 127) / 255, g = (bmpx::BgrxG(p) * 7 + 127) / 255,
              b = (bmpx::BgrxB(p) * 3 + 127) / 255;
    return (r << 5) | (g << 2) | b;
}

} // namespace

TBitmap::TBitmap() {
    Touch();
}

void TBitmap::Touch() {
    changed_ = true;
}

uint64_t TBitmap::Revision() const {
    static std::atomic<uint64_t> last{0};
    if (changed_) {
        revision_ = ++last;
        changed_ = false;
    }
    return revision_;
}

TBitmap::~TBitmap() {
    canvas_.reset();
    if (palette_) DeletePalette(palette_);
}

int TBitmap::BitsPerPixel() const {
    return bmpx::BitsOf(format_);
}

uint8_t* TBitmap::ScanLine(int Y) {
    if (Y < 0 || Y >= height_) throw EInvalidGraphicOperation("Scan line index out of range");
    Touch();
    return bits_.data() + static_cast<size_t>(Y) * stride_;
}

const uint8_t* TBitmap::ScanLine(int Y) const {
    if (Y < 0 || Y >= height_) throw EInvalidGraphicOperation("Scan line index out of range");
    return bits_.data() + static_cast<size_t>(Y) * stride_;
}

void TBitmap::Reallocate(int w, int h, TPixelFormat f, bool keepPixels) {
    w = std::max(w, 0);
    h = std::max(h, 0);
    const int bits = bmpx::BitsOf(f);
    const int stride = bmpx::StrideOf(w, bits);
    if (stride < 0 || static_cast<int64_t>(stride) * h > kMaxBitmapBytes)
        throw EOutOfResources("Out of system resources");
    std::vector<uint8_t> fresh(static_cast<size_t>(stride) * h, 0);
    if (keepPixels && bits == BitsPerPixel()) {
        const int keepW = std::min(w, width_), keepH = std::min(h, height_);
        const int storedBits = bits == 15 ? 16 : bits;
        const size_t rowBytes = (static_cast<size_t>(keepW) * storedBits + 7) / 8;
        const int spare = static_cast<int>(rowBytes * 8 - static_cast<size_t>(keepW) * storedBits);
        for (int y = 0; y < keepH && rowBytes > 0; ++y) {
            uint8_t* dst = fresh.data() + static_cast<size_t>(y) * stride;
            std::memcpy(dst, bits_.data() + static_cast<size_t>(y) * stride_, rowBytes);
            // Bits of the last byte past the kept width are new pixels: they start black.
            if (spare > 0) dst[rowBytes - 1] &= static_cast<uint8_t>(0xFF << spare);
        }
    }
    bits_.swap(fresh);
    width_ = w;
    height_ = h;
    stride_ = stride;
    format_ = f;
    Touch();
}

void TBitmap::SetSize(int w, int h) {
    if (w == width_ && h == height_) return;
    Reallocate(w, h, format_, true);
    if (IsIndexed(BitsPerPixel()) && colors_.empty()) colors_ = bmpx::DefaultTable(BitsPerPixel());
    Changed(this);
}

void TBitmap::SetPixelFormat(TPixelFormat f) {
    if (f == format_) return;
    if (f == pfCustom) throw EInvalidGraphic("Invalid pixel format");
    const int oldBits = BitsPerPixel(), newBits = bmpx::BitsOf(f);
    if (oldBits == newBits) {
        format_ = f;
        Touch();
        Changed(this);
        return;
    }
    std::vector<TRGBQuad> table;
    bool keepIndexes = false, use332 = false;
    if (IsIndexed(newBits)) {
        // Widening an indexed format keeps the indexes and the table exactly.
        keepIndexes = IsIndexed(oldBits) && oldBits < newBits;
        table = keepIndexes ? colors_ : bmpx::DefaultTable(newBits);
        use332 = !keepIndexes && newBits == 8;
    }
    TBitmap old;
    old.width_ = width_;
    old.height_ = height_;
    old.stride_ = stride_;
    old.format_ = format_;
    old.bits_.swap(bits_);
    old.colors_.swap(colors_);
    Reallocate(old.width_, old.height_, f, false);
    colors_ = table;
    const std::vector<TRGBQuad>& oldTable = old.colors_;
    for (int y = 0; y < height_; ++y) {
        const uint8_t* src = old.ScanLine(y);
        uint8_t* dst = ScanLine(y);
        if (oldBits == 24 && newBits == 32) {
            // The common widening of a decoded picture, byte by byte.
            for (int x = 0; x < width_; ++x, src += 3, dst += 4)
                dst[0] = src[0], dst[1] = src[1], dst[2] = src[2], dst[3] = 0;
            continue;
        }
        for (int x = 0; x < width_; ++x) {
            if (keepIndexes) {
                int i = 0;
                if (oldBits == 1)
                    i = (src[x >> 3] >> (7 - (x & 7))) & 1;
                else
                    i = (x & 1) ? (src[x >> 1] & 0x0F) : (src[x >> 1] >> 4);
                if (newBits == 8)
                    dst[x] = static_cast<uint8_t>(i);
                else {
                    uint8_t& b = dst[x >> 1];
                    b = (x & 1) ? static_cast<uint8_t>((b & 0xF0) | i)
                                : static_cast<uint8_t>((b & 0x0F) | (i << 4));
                }
                continue;
            }
            // Conversions write the fourth byte of 32-bit pixels as 0.
            const bmpx::Bgrx p = bmpx::Read(src, x, oldBits, oldTable) & 0x00FFFFFF;
            if (use332)
                dst[x] = static_cast<uint8_t>(Index332(p));
            else
                bmpx::Write(dst, x, newBits, p, colors_);
        }
    }
    Changed(this);
}

void TBitmap::SetColorTable(const std::vector<TRGBQuad>& t) {
    colors_.assign(t.begin(), t.begin() + std::min<size_t>(t.size(), 256));
    Touch();
    if (palette_) {
        DeletePalette(palette_);
        palette_ = 0;
    }
    Changed(this);
}

HPALETTE TBitmap::GetPalette() const {
    if (!IsIndexed(BitsPerPixel()) || colors_.empty()) return 0;
    if (!palette_) {
        std::vector<TPaletteEntry> entries(colors_.size());
        for (size_t i = 0; i < colors_.size(); ++i) {
            entries[i].peRed = colors_[i].rgbRed;
            entries[i].peGreen = colors_[i].rgbGreen;
            entries[i].peBlue = colors_[i].rgbBlue;
        }
        palette_ = CreatePalette(entries);
    }
    return palette_;
}

void TBitmap::SetPalette(HPALETTE p) {
    // The entries are copied; the caller keeps the handle.
    const int n = GetPaletteEntries(p, 0, 256, nullptr);
    if (n <= 0) return;
    std::vector<TPaletteEntry> entries(static_cast<size_t>(std::min(n, 256)));
    GetPaletteEntries(p, 0, static_cast<int>(entries.size()), entries.data());
    std::vector<TRGBQuad> table(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        table[i].rgbRed = entries[i].peRed;
        table[i].rgbGreen = entries[i].peGreen;
        table[i].rgbBlue = entries[i].peBlue;
    }
    SetColorTable(table);
}

void TBitmap::Assign(TPersistent* Source) {
    if (Source == this) return;
    if (!Source) {
        Reallocate(0, 0, format_, false);
        Changed(this);
        return;
    }
    if (auto* b = dynamic_cast<TBitmap*>(Source)) {
        width_ = b->width_;
        height_ = b->height_;
        stride_ = b->stride_;
        format_ = b->format_;
        bits_ = b->bits_;
        colors_ = b->colors_;
        if (palette_) {
            DeletePalette(palette_);
            palette_ = 0;
        }
        transparentColor_ = b->transparentColor_;
        SetTransparent(b->Transparent());
        Touch();
        Changed(this);
        return;
    }
    TGraphic::Assign(Source);
}

void TBitmap::TakePixels(TBitmap& Source) {
    bits_ = std::move(Source.bits_);
    colors_ = std::move(Source.colors_);
    width_ = Source.width_;
    height_ = Source.height_;
    stride_ = Source.stride_;
    format_ = Source.format_;
    if (palette_) {
        DeletePalette(palette_);
        palette_ = 0;
    }
}

void TBitmap::MoveFrom(TBitmap& Source) {
    if (&Source == this) return;
    TakePixels(Source);
    transparentColor_ = Source.transparentColor_;
    SetTransparent(Source.Transparent());
    Touch();
    Changed(this);
    Source.Reallocate(0, 0, Source.format_, false);
    Source.colors_.clear();
    if (Source.palette_) {
        DeletePalette(Source.palette_);
        Source.palette_ = 0;
    }
    Source.Changed(&Source);
}

TCanvas* TBitmap::Canvas() {
    if (!canvas_) {
        canvas_ = std::make_unique<TCanvas>();
        canvas_->SetImpl(ws::CreateBitmapCanvas(this));
    }
    return canvas_.get();
}
