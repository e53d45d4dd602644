// Page controls and their sheets. The page index counts every page, also those whose tab is
// hidden; the program's choice of page runs the sheet's OnShow but not OnChange.
#include "ComCtrls.h"

#include "Forms.h"
#include "MessageBoxImpl.h"
#include "widgetset/WSComCtrls.h"

#include <algorithm>

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner) {
    SetImpl(ws::CreateTabSheet(this));
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
        if (old->activeIndex_ == i)
            old->activeIndex_ = -1;
        else if (old->activeIndex_ > i)
            --old->activeIndex_;
        ws::PageControlTabRemoved(old, i);
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
    if (pageControl_) ws::PageControlTabVisibleChanged(pageControl_, PageIndex());
}

void TTabSheet::SetCaption(const AnsiString& c) {
    TWinControl::SetCaption(c);
    if (pageControl_) ws::PageControlTabCaptionChanged(pageControl_, PageIndex());
}

TPageControl::TPageControl(TComponent* AOwner) : TWinControl(AOwner) {
    SetImpl(ws::CreatePageControl(this));
    SetBounds(0, 0, 289, 193);
}

TPageControl::~TPageControl() {
    for (TTabSheet* s : pages_)
        s->pageControl_ = nullptr;
    pages_.clear();
}

void TPageControl::AddPage(TTabSheet* s) {
    pages_.push_back(s);
    s->pageControl_ = this;
    s->SetVisible(false);
    ws::PageControlTabAdded(this);
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
    ws::PageControlShowActivePage(pc);
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
    ws::PageControlTabPositionChanged(this);
}

void TPageControl::SetOwnerDraw(bool o) {
    ownerDraw_ = o;
    ws::PageControlRedrawTabs(this);
}

TCanvas* TPageControl::Canvas() {
    return ws::PageControlCanvas(this);
}

void TPageControl::UserSelectPage(int i) {
    RunGuarded([&] {
        if (!Activate(this, activeIndex_, i, pages_)) return;
        if (activeIndex_ >= 0) Fire(pages_[activeIndex_]->OnShow, pages_[activeIndex_]);
        Fire(OnChange, this);
    });
}

namespace wsevents {
void PageTabChosen(TPageControl* Pages, int Index) {
    // A click on the tab that looks current while a page without a tab is shown still counts.
    if (Index >= 0 && Index != Pages->ActivePageIndex()) Pages->UserSelectPage(Index);
}

void DrawTab(TPageControl* Pages, int TabIndex, const TRect& Rect, bool Active) {
    TDrawTabEvent handler = Pages->OnDrawTab;
    if (!handler) return;
    TCanvas* canvas = Pages->Canvas();
    canvas->Font()->Assign(Pages->Font());
    canvas->Brush()->SetColor(Pages->Color());
    RunPaintGuarded(Pages, [&] { handler(Pages, TabIndex, Rect, Active); });
}
} // namespace wsevents
