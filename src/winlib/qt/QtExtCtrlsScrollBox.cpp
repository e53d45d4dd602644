// The Qt side of scroll boxes: a viewport on a content widget, moved by two scroll bars that
// show when the ranges exceed the visible area.
#include "winlib/widgetset/WSExtCtrls.h"

#include "ControlImpl.h"

#include <QApplication>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

#include <algorithm>

namespace {
class TScrollBoxImpl;

class TScrollBoxWidget : public QWidget {
  public:
    explicit TScrollBoxWidget(TScrollBox* box) : box_(box) {}

  protected:
    void wheelEvent(QWheelEvent* ev) override;

  private:
    TScrollBox* box_;
};

class TScrollBoxImpl : public TControlImpl {
  public:
    TScrollBoxImpl(TScrollBox* b, TScrollBoxWidget* w) : TControlImpl(b, w), box(b) {
        viewport = new QWidget(w);
        content = new QWidget(viewport);
        horz = new QScrollBar(Qt::Horizontal, w);
        vert = new QScrollBar(Qt::Vertical, w);
        Watch(viewport);
        Watch(content);
        auto follow = [this](int) {
            if (programWrites) return;
            hpos = horz->value();
            vpos = vert->value();
            content->move(-hpos, -vpos);
        };
        QObject::connect(horz, &QScrollBar::valueChanged, w, follow);
        QObject::connect(vert, &QScrollBar::valueChanged, w, follow);
    }
    TScrollBox* box;
    QWidget* viewport;
    QWidget* content;
    QScrollBar* horz;
    QScrollBar* vert;
    int hrange = 0, vrange = 0, hpos = 0, vpos = 0;

    QWidget* ClientWidget() const override { return content; }
    QPoint ChildOffset() const override { return QPoint(hpos, vpos); }

    // The visible client size: the box less the scroll bars that are shown.
    QSize ClientSize() const override {
        QSize s = TControlImpl::ClientSize();
        int bar = Widget()->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        bool v = vrange > s.height();
        bool h = hrange > s.width() - (v ? bar : 0);
        if (h && !v) v = vrange > s.height() - bar;
        return QSize(std::max(0, s.width() - (v ? bar : 0)), std::max(0, s.height() - (h ? bar : 0)));
    }

    void ApplyBounds(int l, int t, int w, int h) override {
        TControlImpl::ApplyBounds(l, t, w, h);
        Layout();
    }
    void ChildChanged(TControl*) override {
        if (box->AutoScroll()) FitRange();
    }

    // With AutoScroll the ranges reach the right and bottom edges of the children.
    void FitRange() {
        int r = 0, b = 0;
        for (int i = 0; i < box->ControlCount(); ++i) {
            TControl* c = box->Controls(i);
            if (!c->Visible()) continue;
            r = std::max(r, c->Left() + hpos + c->Width());
            b = std::max(b, c->Top() + vpos + c->Height());
        }
        if (r == hrange && b == vrange) return;
        hrange = r;
        vrange = b;
        Layout();
    }

    // Eighths of a degree of the wheel; one notch (120) moves the lines the desktop sets.
    void Wheel(QPoint delta) {
        constexpr int kLinePixels = 20;
        const int notchPixels = QApplication::wheelScrollLines() * kLinePixels;
        if (delta.x()) horz->setValue(horz->value() - delta.x() * notchPixels / 120);
        if (delta.y()) vert->setValue(vert->value() - delta.y() * notchPixels / 120);
    }

    void Layout() {
        QSize full = TControlImpl::ClientSize();
        QSize client = ClientSize();
        int bar = Widget()->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        bool h = client.height() < full.height(), v = client.width() < full.width();
        hpos = std::clamp(hpos, 0, std::max(0, hrange - client.width()));
        vpos = std::clamp(vpos, 0, std::max(0, vrange - client.height()));
        ++programWrites;
        {
            QSignalBlocker bh(horz), bv(vert);
            horz->setVisible(h);
            vert->setVisible(v);
            horz->setGeometry(0, full.height() - bar, client.width(), bar);
            vert->setGeometry(full.width() - bar, 0, bar, client.height());
            horz->setRange(0, std::max(0, hrange - client.width()));
            vert->setRange(0, std::max(0, vrange - client.height()));
            horz->setPageStep(std::max(1, client.width()));
            vert->setPageStep(std::max(1, client.height()));
            horz->setValue(hpos);
            vert->setValue(vpos);
        }
        --programWrites;
        viewport->setGeometry(0, 0, client.width(), client.height());
        content->setGeometry(-hpos, -vpos, std::max(hrange, client.width()),
                             std::max(vrange, client.height()));
    }
};

TScrollBoxImpl* BoxImpl(const TScrollBox* b) {
    return static_cast<TScrollBoxImpl*>(b->Impl());
}

void TScrollBoxWidget::wheelEvent(QWheelEvent* ev) {
    ev->accept();
    if (box_->OnMouseWheel) {
        // A box with a wheel handler scrolls as its handler says, and only so.
        QPoint global = ev->globalPosition().toPoint();
        wsevents::ScrollBoxWheel(box_, ShiftStateOf(ev->modifiers(), ev->buttons()), ev->angleDelta().y(),
                                 TPoint(global.x(), global.y()));
        return;
    }
    // Otherwise the wheel pans it as a desktop scroll area does: up and down, and sideways with
    // Shift held or with a wheel that tilts.
    QPoint delta = ev->angleDelta();
    if (ev->modifiers() & Qt::ShiftModifier) delta = QPoint(delta.y() ? delta.y() : delta.x(), 0);
    BoxImpl(box_)->Wheel(delta);
}
} // namespace

namespace ws {
std::unique_ptr<TWSControl> CreateScrollBox(TScrollBox* Box) {
    return std::make_unique<TScrollBoxImpl>(Box, new TScrollBoxWidget(Box));
}

TPoint ScrollBoxRange(const TScrollBox* Box) {
    return TPoint(BoxImpl(Box)->hrange, BoxImpl(Box)->vrange);
}

TPoint ScrollBoxPosition(const TScrollBox* Box) {
    return TPoint(BoxImpl(Box)->hpos, BoxImpl(Box)->vpos);
}

void ScrollBoxSetRange(TScrollBox* Box, TPoint Range) {
    BoxImpl(Box)->hrange = Range.x;
    BoxImpl(Box)->vrange = Range.y;
    BoxImpl(Box)->Layout();
}

void ScrollBoxSetPosition(TScrollBox* Box, TPoint Position) {
    BoxImpl(Box)->hpos = Position.x;
    BoxImpl(Box)->vpos = Position.y;
    BoxImpl(Box)->Layout();
}

void ScrollBoxFitRange(TScrollBox* Box) {
    BoxImpl(Box)->FitRange();
}
} // namespace ws
