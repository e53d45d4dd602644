// Internal: the Qt canvas surface of a TBitmap. 24- and 32-bit bitmaps are painted in place
// through a QImage over the bitmap's own memory; other formats are painted on a 32-bit copy
// that is written back (nearest colour of the table) when the call ends.
#pragma once

#include "CanvasImpl.h"

#include <memory>

class QImage;

class TBitmapCanvasImpl : public TCanvasImpl {
  public:
    explicit TBitmapCanvasImpl(TBitmap* bitmap);
    ~TBitmapCanvasImpl() override;
    QPainter* Painter() override;
    void Changed() override;
    TRect Bounds() override;
    TBitmap* Bitmap() override { return bitmap_; }

  private:
    // The pixels as an image in the bitmap's own memory (24 and 32 bits), else null.
    QImage* Image();
    void EndPainting();
    TBitmap* bitmap_;
    std::unique_ptr<QImage> image_;
    std::unique_ptr<QImage> before_; // the converted copy as it was, for formats painted on a copy
    std::unique_ptr<QPainter> painter_;
};
