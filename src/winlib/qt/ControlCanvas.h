// Internal to the layer: the canvas surfaces of controls. A live surface draws with the
// painter of the paint event that is running (owner-drawn items, tabs, panels); a backing
// surface keeps an image that the widget shows at its next paint (paint boxes).
#pragma once

#include "CanvasImpl.h"

#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include <memory>

class TLiveCanvasImpl : public TCanvasImpl {
  public:
    explicit TLiveCanvasImpl(QWidget* w) : widget_(w) {}
    // Null outside a paint event: drawing then does nothing.
    QPainter* Painter() override { return painter_; }
    TRect Bounds() override;

    // Binds the painter of one paint event for the lifetime of the scope.
    class Scope {
      public:
        Scope(TLiveCanvasImpl* s, QPainter* p) : s_(s), old_(s->painter_) { s->painter_ = p; }
        ~Scope() { s_->painter_ = old_; }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

      private:
        TLiveCanvasImpl* s_;
        QPainter* old_;
    };

  private:
    QPointer<QWidget> widget_;
    QPainter* painter_ = nullptr;
};

class TBackingCanvasImpl : public TCanvasImpl {
  public:
    explicit TBackingCanvasImpl(QWidget* w) : widget_(w) {}
    QPainter* Painter() override;
    // Drawing outside a paint asks for one repaint; Qt merges the requests until it paints.
    void Changed() override;
    TRect Bounds() override { return TRect(0, 0, image_.width(), image_.height()); }

    // Keeps the top-left part of the picture.
    void Resize(int w, int h);
    // Ends drawing so that the image can be shown.
    void Finish() { painter_.reset(); }
    const QImage& Picture() const { return image_; }
    int inPaint = 0;

  private:
    QPointer<QWidget> widget_;
    QImage image_;
    std::unique_ptr<QPainter> painter_;
};
