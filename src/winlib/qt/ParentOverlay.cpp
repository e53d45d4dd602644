// Drawing a control keeps on its parent's surface. The parent's client widget gets one host
// that repaints the parent as usual and then runs the drawings of its children over it, in
// the order they were set, so they are part of every paint of the parent and never flicker or
// linger after they are taken away. Hiding the parent (its window, its page) by the program
// takes them all away, as it would wipe anything drawn on the window from outside its paint.
#include "ControlCanvas.h"
#include "ControlImpl.h"
#include "winlib/Forms.h"

#include <QPaintEvent>

#include <algorithm>

namespace {

class OverlayHost : public QObject {
  public:
    static constexpr const char* kName = "winlibParentOverlay";
    OverlayHost(QWidget* surface, TControlImpl* parent)
        : QObject(surface), surface_(surface), parent_(parent) {
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

    void Set(TControl* c, TParentPaintEvent paint) {
        auto it = std::find_if(items_.begin(), items_.end(), [c](const Item& i) { return i.control == c; });
        if (!paint) {
            if (it == items_.end()) return;
            items_.erase(it);
        } else if (it != items_.end()) {
            it->paint = std::move(paint);
        } else {
            items_.push_back(Item{c, std::move(paint)});
        }
        WatchWindowlessChildren();
        surface_->update();
    }

    bool Has(const TControl* c) const {
        return std::any_of(items_.begin(), items_.end(), [c](const Item& i) { return i.control == c; });
    }

  protected:
    bool eventFilter(QObject* obj, QEvent* ev) override {
        // What was drawn on a window is gone once the program hides it (or the page it is on).
        if (obj == surface_ && ev->type() == QEvent::Hide && !ev->spontaneous()) {
            items_.clear();
            return false;
        }
        if (ev->type() != QEvent::Paint || items_.empty() || painting_) return false;
        auto* target = static_cast<QWidget*>(obj);
        if (target != surface_ && !watched_.contains(target)) return false;
        // The widget paints itself first and the drawings go over that.
        painting_ = true;
        static_cast<QObject*>(target)->event(ev);
        {
            QPainter p(target);
            p.setClipRegion(static_cast<QPaintEvent*>(ev)->region());
            if (target != surface_) p.translate(-target->pos());
            p.translate(parent_->ChildOffset());
            TLiveCanvasImpl::Scope scope(live_, &p);
            const std::vector<Item> items = items_; // a drawing may change the list
            for (const Item& i : items) {
                QWidget* w = i.control->Impl() ? i.control->Impl()->Widget() : nullptr;
                if (!w || w->isHidden()) continue;
                RunGuarded([&] { i.paint(&canvas_); });
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

    struct Item {
        TControl* control;
        TParentPaintEvent paint;
    };
    QWidget* surface_;
    TControlImpl* parent_;
    TCanvas canvas_;
    TLiveCanvasImpl* live_ = nullptr;
    std::vector<Item> items_;
    QList<QPointer<QWidget>> watched_;
    bool painting_ = false;
};

QWidget* SurfaceOf(const TControl* c) {
    TWinControl* p = c->Parent();
    return p && p->Impl() ? p->Impl()->ClientWidget() : nullptr;
}

} // namespace

void TControl::SetParentOverlay(TParentPaintEvent Paint) {
    QWidget* surface = SurfaceOf(this);
    if (!surface) return;
    OverlayHost* host = OverlayHost::Of(surface);
    if (!host) {
        if (!Paint) return;
        host = new OverlayHost(surface, Parent()->Impl());
    }
    host->Set(this, std::move(Paint));
}

bool TControl::HasParentOverlay() const {
    OverlayHost* host = OverlayHost::Of(SurfaceOf(this));
    return host && host->Has(this);
}
