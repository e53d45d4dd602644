// The control base: parent and child lists, bounds, alignment, visibility and focus.
#include "Controls.h"

#include "HandlerCall.h"
#include "widgetset/WSControls.h"

#include <algorithm>

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {
    font_.OnChange = [this] { FontChanged(); };
}

TControl::~TControl() {
    font_.OnChange = nullptr;
    wsevents::ControlDestroyed(this);
    SetParentOverlay(nullptr);
    if (parent_) {
        auto& list = parent_->controls_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
        if (parent_->WS()) parent_->WS()->ChildChanged(this);
        if (align_ != alNone) parent_->Realign();
        parent_ = nullptr;
    }
    impl_.reset();
}

void TControl::SetImpl(std::unique_ptr<TWSControl> impl) {
    impl_ = std::move(impl);
    if (!caption_.empty()) impl_->ApplyCaption(caption_);
    impl_->ApplyVisible(visible_);
}

void TControl::FontChanged() {
    if (impl_) impl_->ApplyFont(font_);
}

void TControl::SetParent(TWinControl* p) {
    if (p == parent_) return;
    for (TControl* a = p; a; a = a->Parent())
        if (a == this) throw EInvalidOperation("A control cannot have itself as its parent");
    TRect b = impl_ ? impl_->Bounds() : TRect();
    SetParentOverlay(nullptr); // it belongs to the surface of the parent being left
    TWinControl* old = parent_;
    if (old) {
        auto& list = old->controls_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
    parent_ = p;
    if (p) p->controls_.push_back(this);
    if (impl_) {
        impl_->PlaceIn(p ? p->WS() : nullptr);
        impl_->ApplyBounds(b.Left, b.Top, b.Width(), b.Height());
        impl_->ApplyVisible(visible_);
    }
    // A parent being destroyed is not told: what it would rearrange is already taken apart (its
    // own class's part is gone by the time ~TWinControl lets the children go).
    if (old && !old->destroying_) {
        if (old->WS()) old->WS()->ChildChanged(this);
        if (align_ != alNone) old->Realign();
    }
    if (p) {
        if (p->WS()) p->WS()->ChildChanged(this);
        if (align_ != alNone) p->Realign();
    }
}

int TControl::Left() const {
    return impl_ ? impl_->Bounds().Left : 0;
}
int TControl::Top() const {
    return impl_ ? impl_->Bounds().Top : 0;
}
int TControl::Width() const {
    return impl_ ? impl_->Bounds().Width() : 0;
}
int TControl::Height() const {
    return impl_ ? impl_->Bounds().Height() : 0;
}
void TControl::SetLeft(int v) {
    SetBounds(v, Top(), Width(), Height());
}
void TControl::SetTop(int v) {
    SetBounds(Left(), v, Width(), Height());
}
void TControl::SetWidth(int v) {
    SetBounds(Left(), Top(), v, Height());
}
void TControl::SetHeight(int v) {
    SetBounds(Left(), Top(), Width(), v);
}

void TControl::SetBounds(int l, int t, int w, int h) {
    if (!impl_) return;
    w = std::max(w, 0);
    h = std::max(h, 0);
    if (impl_->Bounds() == TRect(l, t, l + w, t + h)) return;
    impl_->ApplyBounds(l, t, w, h);
    if (parent_ && parent_->WS()) {
        parent_->WS()->ChildChanged(this);
        if (align_ != alNone && !parent_->WS()->aligning) parent_->Realign();
    }
    wsevents::ClientSizeMaybeChanged(this, false);
}

int TControl::ClientWidth() const {
    return impl_ ? impl_->ClientWidth() : 0;
}
int TControl::ClientHeight() const {
    return impl_ ? impl_->ClientHeight() : 0;
}
void TControl::SetClientWidth(int v) {
    if (impl_) impl_->SetClientSize(v, ClientHeight());
}
void TControl::SetClientHeight(int v) {
    if (impl_) impl_->SetClientSize(ClientWidth(), v);
}
TRect TControl::ClientRect() const {
    return TRect(0, 0, ClientWidth(), ClientHeight());
}

TPoint TControl::ClientOrigin() const {
    return ClientToScreen(TPoint(0, 0));
}

TPoint TControl::ClientToScreen(TPoint p) const {
    return impl_ ? impl_->ClientToScreen(p) : p;
}

TPoint TControl::ScreenToClient(TPoint p) const {
    return impl_ ? impl_->ScreenToClient(p) : p;
}

void TControl::SetAlign(TAlign a) {
    if (a == align_) return;
    align_ = a;
    if (parent_) parent_->Realign();
}

void TControl::SetVisible(bool v) {
    bool changed = v != visible_;
    visible_ = v;
    if (impl_) impl_->ApplyVisible(v);
    if (changed && parent_ && parent_->WS()) {
        parent_->WS()->ChildChanged(this);
        if (align_ != alNone) parent_->Realign();
    }
}

bool TControl::Enabled() const {
    return impl_ ? impl_->enabled : true;
}

void TControl::SetEnabled(bool e) {
    if (!impl_) return;
    impl_->enabled = e;
    impl_->ApplyEnabled(e);
}

void TControl::SetCaption(const AnsiString& c) {
    caption_ = c;
    if (impl_) impl_->ApplyCaption(c);
}

void TControl::SetHint(const AnsiString& h) {
    hint_ = h;
}

void TControl::SetColor(TColor c) {
    if (c == color_) return;
    color_ = c;
    if (impl_) impl_->ApplyColor(c);
}

void TControl::Invalidate() {
    if (impl_) impl_->Invalidate();
}

void TControl::Repaint() {
    if (impl_) impl_->Repaint();
}

void TControl::BringToFront() {
    if (impl_) impl_->BringToFront();
}

void TControl::Click() {
    RunGuarded([&] { Fire(OnClick, this); });
}

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl() {
    // The focus leaves quietly: an exit handler run now would reach a window already taken apart.
    if (WS()) WS()->DropFocusQuietly();
    destroying_ = true;
    // Children are destroyed by their owner; until then they live on without a window parent.
    std::vector<TControl*> children = controls_;
    for (TControl* c : children)
        c->SetParent(nullptr);
    controls_.clear();
}

bool TWinControl::CanFocus() const {
    if (!WS()) return false;
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return true;
}

void TWinControl::SetFocus() {
    if (!CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
    WS()->TakeFocus();
}

bool TWinControl::Focused() const {
    return WS() && WS()->HasFocus();
}

void TWinControl::Realign() {
    TWSControl* impl = WS();
    if (!impl) return;
    ++impl->aligning;
    TRect r = impl->AlignRect();
    // Each kind in turn takes its strip of what is left, the children of a kind in the order added.
    for (TAlign kind : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (TControl* c : controls_) {
            if (c->Align() != kind || !c->Visible()) continue;
            int w = c->Width(), h = c->Height();
            switch (kind) {
            case alTop:
                c->SetBounds(r.Left, r.Top, r.Width(), h);
                r.Top = std::min(r.Top + h, r.Bottom);
                break;
            case alBottom:
                c->SetBounds(r.Left, r.Bottom - h, r.Width(), h);
                r.Bottom = std::max(r.Bottom - h, r.Top);
                break;
            case alLeft:
                c->SetBounds(r.Left, r.Top, w, r.Height());
                r.Left = std::min(r.Left + w, r.Right);
                break;
            case alRight:
                c->SetBounds(r.Right - w, r.Top, w, r.Height());
                r.Right = std::max(r.Right - w, r.Left);
                break;
            default:
                c->SetBounds(r.Left, r.Top, r.Width(), r.Height());
                break;
            }
        }
    }
    --impl->aligning;
}
