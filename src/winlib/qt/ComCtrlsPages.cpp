// Page controls and their sheets. The page index counts every page, also those whose tab is
// hidden; the program's choice of page runs the sheet's OnShow but not OnChange.
#include "winlib/ComCtrls.h"
#include "winlib/MessageBoxImpl.h"

#include "ControlCanvas.h"
#include "ControlImpl.h"
#include "winlib/Forms.h"

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
        TDrawTabEvent handler = pc_->OnDrawTab;
        int tabIndex = 0; // handlers get the index among the tabs shown
        for (int i = 0; i < count(); ++i) {
            if (!isTabVisible(i)) continue;
            QStyleOptionTab opt;
            initStyleOption(&opt, i);
            opt.text.clear();
            p.drawControl(QStyle::CE_TabBarTabShape, opt);
            QRect r = tabRect(i);
            canvas.Font()->Assign(pc_->Font());
            canvas.Brush()->SetColor(pc_->Color());
            bool active = i == pc_->ActivePageIndex();
            int index = tabIndex++;
            p.save();
            RunPaintGuarded(pc_, [&] {
                handler(pc_, index, TRect(r.left(), r.top(), r.right() + 1, r.bottom() + 1), active);
            });
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

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner) {
    SetImpl(std::make_unique<TControlImpl>(this, new QWidget));
    SetBounds(0, 0, 200, 200);
}

TTabSheet::~TTabSheet() {
    SetPageControl(nullptr);
}

void TTabSheet::SetParent(TWinControl* p) {
    if (auto* pc = dynamic_cast<TPageControl*>(p)) {
        SetPageControl(pc);
        return;
    }
    SetPageControl(nullptr);
    TWinControl::SetParent(p);
}

void TTabSheet::SetPageControl(TPageControl* pc) {
    if (pc == pageControl_) return;
    if (TPageControl* old = pageControl_) {
        int i = PageIndex();
        old->pages_.erase(old->pages_.begin() + i);
        TPageControlImpl* impl = PagesImpl(old);
        ++impl->writes;
        {
            QSignalBlocker block(impl->tabs);
            impl->tabs->removeTab(i);
        }
        --impl->writes;
        if (old->activeIndex_ == i)
            old->activeIndex_ = -1;
        else if (old->activeIndex_ > i)
            --old->activeIndex_;
        impl->ShowCurrentTab();
        pageControl_ = nullptr;
    }
    TWinControl::SetParent(pc);
    if (pc) pc->AddPage(this);
}

int TTabSheet::PageIndex() const {
    if (!pageControl_) return -1;
    auto& pages = pageControl_->pages_;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetTabVisible(bool v) {
    tabVisible_ = v;
    if (!pageControl_) return;
    TPageControlImpl* impl = PagesImpl(pageControl_);
    ++impl->writes;
    {
        QSignalBlocker block(impl->tabs);
        impl->tabs->setTabVisible(PageIndex(), v);
    }
    --impl->writes;
    impl->ShowCurrentTab();
    impl->Layout();
}

void TTabSheet::SetCaption(const AnsiString& c) {
    TWinControl::SetCaption(c);
    if (!pageControl_) return;
    TPageControlImpl* impl = PagesImpl(pageControl_);
    impl->tabs->setTabText(PageIndex(), ToQString(c));
    impl->Layout();
}

TPageControl::TPageControl(TComponent* AOwner) : TWinControl(AOwner) {
    auto* w = new QWidget;
    auto impl = std::make_unique<TPageControlImpl>(this, w);
    QTabBar* tabs = impl->tabs;
    SetImpl(std::move(impl));
    SetBounds(0, 0, 289, 193);
    // A click on a tab, also on the one that looks current while a page without a tab is shown.
    QObject::connect(tabs, &QTabBar::tabBarClicked, w, [this](int i) {
        if (i >= 0 && i != activeIndex_) UserSelectPage(i);
    });
    QObject::connect(tabs, &QTabBar::currentChanged, w, [this](int i) {
        if (!PagesImpl(this)->writes && i >= 0 && i != activeIndex_) UserSelectPage(i);
    });
}

TPageControl::~TPageControl() {
    for (TTabSheet* s : pages_)
        s->pageControl_ = nullptr;
    pages_.clear();
}

void TPageControl::AddPage(TTabSheet* s) {
    pages_.push_back(s);
    s->pageControl_ = this;
    TPageControlImpl* impl = PagesImpl(this);
    ++impl->writes;
    {
        QSignalBlocker block(impl->tabs);
        int i = impl->tabs->addTab(ToQString(s->Caption()));
        impl->tabs->setTabVisible(i, s->TabVisible());
    }
    --impl->writes;
    s->SetVisible(false);
    impl->ShowCurrentTab();
    impl->Layout();
}

namespace {
// Shows page i alone; true when that changed the active page.
bool Activate(TPageControl* pc, int& active, int i, const std::vector<TTabSheet*>& pages) {
    if (i < 0 || i >= static_cast<int>(pages.size())) i = -1;
    if (i == active) return false;
    if (active >= 0) pages[active]->SetVisible(false);
    active = i;
    if (i >= 0) {
        pages[i]->SetVisible(true);
        pages[i]->BringToFront();
    }
    PagesImpl(pc)->ShowCurrentTab();
    return true;
}
} // namespace

void TPageControl::SetActivePageIndex(int i) {
    if (Activate(this, activeIndex_, i, pages_) && activeIndex_ >= 0)
        Fire(pages_[activeIndex_]->OnShow, pages_[activeIndex_]);
}

void TPageControl::SetActivePage(TTabSheet* s) {
    auto it = std::find(pages_.begin(), pages_.end(), s);
    SetActivePageIndex(it == pages_.end() ? -1 : static_cast<int>(it - pages_.begin()));
}

void TPageControl::SetTabPosition(TTabPosition p) {
    tabPosition_ = p;
    PagesImpl(this)->tabs->setShape(ShapeOf(p));
    PagesImpl(this)->Layout();
}

void TPageControl::SetOwnerDraw(bool o) {
    ownerDraw_ = o;
    PagesImpl(this)->tabs->update();
}

TCanvas* TPageControl::Canvas() {
    return &PagesImpl(this)->tabs->canvas;
}

void TPageControl::UserSelectPage(int i) {
    RunGuarded([&] {
        if (!Activate(this, activeIndex_, i, pages_)) return;
        if (activeIndex_ >= 0) Fire(pages_[activeIndex_]->OnShow, pages_[activeIndex_]);
        Fire(OnChange, this);
    });
}
