// Tool bars and their buttons. Buttons sit left to right in the order they were added; a bar
// can also show a main menu's top-level items as captioned buttons that open their menus.
#include "ComCtrls.h"

#include "Forms.h"
#include "MessageBoxImpl.h"
#include "Menus.h"
#include "widgetset/WSComCtrls.h"

#include <algorithm>

TToolButton::TToolButton(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetImpl(ws::CreateToolButton(this));
    SetBounds(0, 0, DefaultWidth, DefaultHeight);
}

TToolButton::~TToolButton() {
    SetParent(nullptr);
}

void TToolButton::SetParent(TWinControl* p) {
    if (auto* old = dynamic_cast<TToolBar*>(Parent())) {
        auto& list = old->buttons_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
    if (auto* bar = dynamic_cast<TToolBar*>(p)) bar->buttons_.push_back(this);
    TGraphicControl::SetParent(p);
    if (auto* bar = dynamic_cast<TToolBar*>(p)) ws::ToolBarLayout(bar);
}

void TToolButton::SetImageIndex(int i) {
    imageIndex_ = i;
    Invalidate();
    if (auto* bar = dynamic_cast<TToolBar*>(Parent())) ws::ToolBarLayout(bar);
}

void TToolButton::SetAction(TAction* a) {
    action_ = a;
    if (!a) return;
    if (!a->Caption().empty()) SetCaption(a->Caption());
    if (!a->Hint().empty()) SetHint(a->Hint());
}

void TToolButton::SetDown(bool d) {
    down_ = d;
    ws::ToolButtonSetDown(this, d);
}

void TToolButton::Click() {
    RunGuarded([&] {
        if (action_)
            action_->Execute();
        else
            Fire(OnClick, this);
    });
}

TToolBar::~TToolBar() {
    // Controls leave the bar while the base classes are destroyed; laying them out then would
    // call into a bar that is no longer whole.
    ws::ToolBarStopLayout(this);
}

TToolBar::TToolBar(TComponent* AOwner) : TWinControl(AOwner) {
    SetImpl(ws::CreateToolBar(this));
    SetBounds(0, 0, 150, 29);
}

void TToolBar::SetShowCaptions(bool s) {
    showCaptions_ = s;
    ws::ToolBarLayout(this);
}

void TToolBar::SetImages(TImageList* l) {
    images_ = l;
    ws::ToolBarLayout(this);
    for (TToolButton* b : buttons_)
        b->Invalidate();
}

void TToolBar::SetAutoSize(bool a) {
    autoSize_ = a;
    ws::ToolBarLayout(this);
}

TCanvas* TToolBar::Canvas() {
    return ws::ToolBarCanvas(this);
}

void TToolBar::SetMenu(TMainMenu* m) {
    menu_ = m;
    ws::ToolBarShowMenu(this, m);
}

namespace wsevents {
void ToolButtonClicked(TToolButton* Button) {
    Button->Click();
}

bool ToolBarCustomDraw(TToolBar* Bar, const TRect& Rect) {
    bool defaultDraw = true;
    TToolBarCustomDrawEvent handler = Bar->OnCustomDraw;
    if (handler) RunPaintGuarded(Bar, [&] { handler(Bar, Rect, defaultDraw); });
    return defaultDraw;
}

bool ToolButtonCustomDraw(TToolBar* Bar, TToolButton* Button, TCustomDrawState State) {
    bool defaultDraw = true;
    TToolBarCustomDrawButtonEvent handler = Bar->OnCustomDrawButton;
    if (handler) RunPaintGuarded(Button, [&] { handler(Bar, Button, State, defaultDraw); });
    return defaultDraw;
}
} // namespace wsevents
