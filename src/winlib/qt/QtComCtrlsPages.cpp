// The Qt side of page controls: a tab bar along one edge and the pages filling the rest. The
// tab row follows the pages without reporting; only the user's choice of a tab is reported.
#include "winlib/widgetset/WSComCtrls.h"

#include "ControlCanvas.h"
#include "ControlImpl.h"

#include <QStyleOptionTab>
#include <QStylePainter>
#include <QTabBar>

#include <algorithm>

namespace {
class TTabBarWidget : public QTabBar {
  public:
    explicit TTabBarWidget(TPageControl* pc, QWidget* parent) : QTabBar(parent), pc_(pc) {}
    TCanvas canvas;
    TLiveCanvasImpl* live = nullptr;

  protected:
    void paintEvent(QPaintEvent* ev) override {
        if (!pc_->OwnerDraw() || !pc_->OnDrawTab) {
            QTabBar::paintEvent(ev);
            return;
        }
        QStylePainter p(this);
        TLiveCanvasImpl::Scope scope(live, &p);
        int tabIndex = 0; // handlers get the index among the tabs shown
        for (int i = 0; i < count(); ++i) {
            if (!isTabVisible(i)) continue;
            QStyleOptionTab opt;
            initStyleOption(&opt, i);
            opt.text.clear();
            p.drawControl(QStyle::CE_TabBarTabShape, opt);
            QRect r = tabRect(i);
            p.save();
            wsevents::DrawTab(pc_, tabIndex++, TRect(r.left(), r.top(), r.right() + 1, r.bottom() + 1),
                              i == pc_->ActivePageIndex());
            p.restore();
        }
    }

  private:
    TPageControl* pc_;
};

class TPageControlImpl : public TControlImpl {
  public:
    TPageControlImpl(TPageControl* pc, QWidget* w) : TControlImpl(pc, w), pc(pc) {
        tabs = new TTabBarWidget(pc, w);
        tabs->setDrawBase(true);
        tabs->setExpanding(false);
        tabs->setUsesScrollButtons(true);
        auto surface = std::make_unique<TLiveCanvasImpl>(tabs);
        tabs->live = surface.get();
        tabs->canvas.SetImpl(std::move(surface));
    }
    TPageControl* pc;
    TTabBarWidget* tabs;
    int writes = 0;

    void ApplyBounds(int l, int t, int w, int h) override {
        TControlImpl::ApplyBounds(l, t, w, h);
        Layout();
    }
    void ApplyFont(const TFont& f) override {
        TControlImpl::ApplyFont(f);
        Layout();
    }

    // The part of the control the pages fill.
    TRect PageArea() const {
        QSize s = ClientSize();
        QSize hint = tabs->sizeHint();
        switch (pc->TabPosition()) {
        case tpBottom:
            return TRect(0, 0, s.width(), std::max(0, s.height() - hint.height()));
        case tpLeft:
            return TRect(std::min(hint.width(), s.width()), 0, s.width(), s.height());
        case tpRight:
            return TRect(0, 0, std::max(0, s.width() - hint.width()), s.height());
        default:
            return TRect(0, std::min(hint.height(), s.height()), s.width(), s.height());
        }
    }

    void Layout() {
        QSize s = ClientSize();
        QSize hint = tabs->sizeHint();
        switch (pc->TabPosition()) {
        case tpBottom:
            tabs->setGeometry(0, std::max(0, s.height() - hint.height()), s.width(), hint.height());
            break;
        case tpLeft:
            tabs->setGeometry(0, 0, hint.width(), s.height());
            break;
        case tpRight:
            tabs->setGeometry(std::max(0, s.width() - hint.width()), 0, hint.width(), s.height());
            break;
        default:
            tabs->setGeometry(0, 0, s.width(), hint.height());
            break;
        }
        TRect a = PageArea();
        for (int i = 0; i < pc->PageCount(); ++i)
            pc->Pages(i)->SetBounds(a.Left, a.Top, a.Width(), a.Height());
    }

    void ShowCurrentTab() {
        ++writes;
        {
            QSignalBlocker block(tabs);
            int i = pc->ActivePageIndex();
            if (i >= 0 && i < tabs->count() && tabs->isTabVisible(i)) tabs->setCurrentIndex(i);
        }
        --writes;
        tabs->update();
    }
};

TPageControlImpl* PagesImpl(const TPageControl* pc) {
    return static_cast<TPageControlImpl*>(pc->Impl());
}

QTabBar::Shape ShapeOf(TTabPosition p) {
    switch (p) {
    case tpBottom:
        return QTabBar::RoundedSouth;
    case tpLeft:
        return QTabBar::RoundedWest;
    case tpRight:
        return QTabBar::RoundedEast;
    default:
        return QTabBar::RoundedNorth;
    }
}
} // namespace

namespace ws {
std::unique_ptr<TWSControl> CreateTabSheet(TTabSheet* Sheet) {
    return std::make_unique<TControlImpl>(Sheet, new QWidget);
}

std::unique_ptr<TWSControl> CreatePageControl(TPageControl* Pages) {
    auto* w = new QWidget;
    auto impl = std::make_unique<TPageControlImpl>(Pages, w);
    TPageControlImpl* state = impl.get();
    // A click on a tab, also on the one that looks current while a page without a tab is shown.
    QObject::connect(impl->tabs, &QTabBar::tabBarClicked, w,
                     [Pages](int i) { wsevents::PageTabChosen(Pages, i); });
    QObject::connect(impl->tabs, &QTabBar::currentChanged, w, [Pages, state](int i) {
        if (!state->writes) wsevents::PageTabChosen(Pages, i);
    });
    return impl;
}

void PageControlTabAdded(TPageControl* Pages) {
    TPageControlImpl* impl = PagesImpl(Pages);
    TTabSheet* s = Pages->Pages(Pages->PageCount() - 1);
    ++impl->writes;
    {
        QSignalBlocker block(impl->tabs);
        int i = impl->tabs->addTab(ToQString(s->Caption()));
        impl->tabs->setTabVisible(i, s->TabVisible());
    }
    --impl->writes;
    impl->ShowCurrentTab();
    impl->Layout();
}

void PageControlTabRemoved(TPageControl* Pages, int Index) {
    TPageControlImpl* impl = PagesImpl(Pages);
    ++impl->writes;
    {
        QSignalBlocker block(impl->tabs);
        impl->tabs->removeTab(Index);
    }
    --impl->writes;
    impl->ShowCurrentTab();
}

void PageControlTabCaptionChanged(TPageControl* Pages, int Index) {
    TPageControlImpl* impl = PagesImpl(Pages);
    impl->tabs->setTabText(Index, ToQString(Pages->Pages(Index)->Caption()));
    impl->Layout();
}

void PageControlTabVisibleChanged(TPageControl* Pages, int Index) {
    TPageControlImpl* impl = PagesImpl(Pages);
    ++impl->writes;
    {
        QSignalBlocker block(impl->tabs);
        impl->tabs->setTabVisible(Index, Pages->Pages(Index)->TabVisible());
    }
    --impl->writes;
    impl->ShowCurrentTab();
    impl->Layout();
}

void PageControlShowActivePage(TPageControl* Pages) {
    PagesImpl(Pages)->ShowCurrentTab();
}

void PageControlTabPositionChanged(TPageControl* Pages) {
    PagesImpl(Pages)->tabs->setShape(ShapeOf(Pages->TabPosition()));
    PagesImpl(Pages)->Layout();
}

void PageControlRedrawTabs(TPageControl* Pages) {
    PagesImpl(Pages)->tabs->update();
}

TCanvas* PageControlCanvas(TPageControl* Pages) {
    return &PagesImpl(Pages)->tabs->canvas;
}
} // namespace ws
