// The Qt side of the drawings controls keep on their parent's surface. The parent's client
// widget gets one host that repaints the parent as usual and then runs the drawings of its
// children over it, so they are part of every paint of the parent and never flicker or linger
// after they are taken away. Hiding the parent (its window, its page) by the program takes them
// all away, as it would wipe anything drawn on the window from outside its paint.
#include "ControlCanvas.h"
#include "ControlImpl.h"
#include "winlib/HandlerCall.h"
#include "winlib/widgetset/WSParentOverlay.h"

#include <QPaintEvent>

#include <algorithm>

namespace {

class OverlayHost : public QObject {
  public:
    static constexpr const char* kName = "winlibParentOverlay";
    OverlayHost(QWidget* surface, TWinControl* parent)
        : QObject(surface), surface_(surface), parent_(parent), parentImpl_(parent->Impl()) {
        setObjectName(kName);
        auto live = std::make_unique<TLiveCanvasImpl>(surface);
        live_ = live.get();
        canvas_.SetImpl(std::move(live));
        surface->installEventFilter(this);
    }

    static OverlayHost* Of(QWidget* surface) {
        QObject* o = surface ? surface->findChild<QObject*>(kName, Qt::FindDirectChildrenOnly) : nullptr;
        return dynamic_cast<OverlayHost*>(o);
    }

    void Changed() {
        WatchWindowlessChildren();
        surface_->update();
    }

  protected:
    bool eventFilter(QObject* obj, QEvent* ev) override {
        // What was drawn on a window is gone once the program hides it (or the page it is on).
        if (obj == surface_ && ev->type() == QEvent::Hide && !ev->spontaneous()) {
            wsevents::ParentSurfaceHidden(parent_);
            return false;
        }
        if (ev->type() != QEvent::Paint || painting_) return false;
        auto* target = static_cast<QWidget*>(obj);
        if (target != surface_ && !watched_.contains(target)) return false;
        // A copy: a drawing may change the list.
        const std::vector<TParentOverlay> items = ParentOverlaysOf(parent_);
        if (items.empty()) return false;
        // The widget paints itself first and the drawings go over that.
        painting_ = true;
        static_cast<QObject*>(target)->event(ev);
        {
            QPainter p(target);
            p.setClipRegion(static_cast<QPaintEvent*>(ev)->region());
            if (target != surface_) p.translate(-target->pos());
            p.translate(parentImpl_->ChildOffset());
            TLiveCanvasImpl::Scope scope(live_, &p);
            for (const TParentOverlay& i : items) {
                QWidget* w = i.Control->Impl() ? i.Control->Impl()->Widget() : nullptr;
                if (!w || w->isHidden()) continue;
                RunGuarded([&] { i.Paint(&canvas_); });
            }
        }
        painting_ = false;
        return true;
    }

  private:
    // Controls without a window of their own (labels, images) are part of the parent's surface,
    // so what is drawn on the parent shows over them too; controls with a window cover it.
    void WatchWindowlessChildren() {
        for (QObject* o : surface_->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (!w || w->isWindow() || watched_.contains(w)) continue;
            if (!dynamic_cast<TGraphicControl*>(ControlOfWidget(w))) continue;
            watched_.append(w);
            w->installEventFilter(this);
        }
    }

    QWidget* surface_;
    TWinControl* parent_;
    TControlImpl* parentImpl_;
    TCanvas canvas_;
    TLiveCanvasImpl* live_ = nullptr;
    QList<QPointer<QWidget>> watched_;
    bool painting_ = false;
};

} // namespace

namespace ws {

void ParentOverlaysChanged(TWinControl* Parent) {
    QWidget* surface = Parent->Impl() ? Parent->Impl()->ClientWidget() : nullptr;
    if (!surface) return;
    OverlayHost* host = OverlayHost::Of(surface);
    if (!host) host = new OverlayHost(surface, Parent);
    host->Changed();
}

} // namespace ws
