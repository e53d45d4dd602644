#include "BitmapCanvasImpl.h"
#include "winlib/BitmapPixels.h"

#include <QImage>
#include <QPainter>

std::unique_ptr<TWSCanvas> ws::CreateBitmapCanvas(TBitmap* Bitmap) {
    return std::make_unique<TBitmapCanvasImpl>(Bitmap);
}

TBitmapCanvasImpl::TBitmapCanvasImpl(TBitmap* bitmap) : bitmap_(bitmap) {}

TBitmapCanvasImpl::~TBitmapCanvasImpl() {
    EndPainting();
}

TRect TBitmapCanvasImpl::Bounds() {
    return TRect(0, 0, bitmap_->Width(), bitmap_->Height());
}

QImage* TBitmapCanvasImpl::Image() {
    TBitmap& b = *bitmap_;
    if (b.Empty()) {
        image_.reset();
        return nullptr;
    }
    const int bits = b.BitsPerPixel();
    if (bits != 24 && bits != 32) return painter_ ? image_.get() : nullptr;
    const QImage::Format f = bits == 32 ? QImage::Format_RGB32 : QImage::Format_BGR888;
    // The wrapper follows the bitmap: rebuilt whenever its memory, size or format changed.
    if (!image_ || image_->constBits() != b.bits_.data() || image_->width() != b.width_ ||
        image_->height() != b.height_ || image_->format() != f)
        image_ = std::make_unique<QImage>(b.bits_.data(), b.width_, b.height_, b.stride_, f);
    return image_.get();
}

QPainter* TBitmapCanvasImpl::Painter() {
    if (painter_) return painter_.get();
    TBitmap& b = *bitmap_;
    if (b.Empty()) return nullptr;
    const int bits = b.BitsPerPixel();
    if (bits == 24 || bits == 32) {
        if (!Image()) return nullptr;
    } else {
        image_ = std::make_unique<QImage>(b.width_, b.height_, QImage::Format_RGB32);
        for (int y = 0; y < b.height_; ++y) {
            auto* dst = reinterpret_cast<uint32_t*>(image_->scanLine(y));
            const uint8_t* src = b.ScanLine(y);
            for (int x = 0; x < b.width_; ++x)
                dst[x] = 0xFF000000u | bmpx::Read(src, x, bits, b.colors_);
        }
        before_ = std::make_unique<QImage>(image_->copy());
    }
    painter_ = std::make_unique<QPainter>(image_.get());
    return painter_.get();
}

void TBitmapCanvasImpl::EndPainting() {
    if (!painter_) return;
    painter_->end();
    painter_.reset();
    if (!before_) return;
    TBitmap& b = *bitmap_;
    const int bits = b.BitsPerPixel();
    if (image_->width() == b.width_ && image_->height() == b.height_) {
        for (int y = 0; y < b.height_; ++y) {
            const auto* now = reinterpret_cast<const uint32_t*>(image_->constScanLine(y));
            const auto* was = reinterpret_cast<const uint32_t*>(before_->constScanLine(y));
            uint8_t* dst = b.ScanLine(y);
            for (int x = 0; x < b.width_; ++x)
                if (now[x] != was[x]) bmpx::Write(dst, x, bits, now[x] & 0x00FFFFFF, b.colors_);
        }
    }
    before_.reset();
    image_.reset();
}

void TBitmapCanvasImpl::Changed() {
    EndPainting();
    bitmap_->Touch();
    if (bitmap_->OnChange) bitmap_->Changed(bitmap_);
}
