// Canvas surfaces of controls.
#include "ControlCanvas.h"

TRect TLiveCanvasImpl::Bounds() {
    if (!widget_) return TRect();
    return TRect(0, 0, widget_->width(), widget_->height());
}

QPainter* TBackingCanvasImpl::Painter() {
    if (image_.isNull()) return nullptr;
    if (!painter_) painter_ = std::make_unique<QPainter>(&image_);
    return painter_.get();
}

void TBackingCanvasImpl::Changed() {
    if (!inPaint && widget_) widget_->update();
}

void TBackingCanvasImpl::Resize(int w, int h) {
    if (w == image_.width() && h == image_.height()) return;
    painter_.reset();
    if (w <= 0 || h <= 0) {
        image_ = QImage();
        return;
    }
    QImage next(w, h, QImage::Format_ARGB32_Premultiplied);
    next.fill(Qt::transparent);
    if (!image_.isNull()) {
        QPainter p(&next);
        p.drawImage(0, 0, image_);
    }
    image_ = std::move(next);
}
