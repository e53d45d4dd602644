// The menu item tree of main and pop-up menus.
#include "Menus.h"

#include "HandlerCall.h"
#include "SysUtils.h"
#include "widgetset/WSMenus.h"

#include <algorithm>

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {
    ws_ = ws::CreateMenuItem(this);
}

TMenuItem::~TMenuItem() {
    if (parent_) {
        auto& siblings = parent_->items_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    // Sub-items belong to their owner, which deletes them; they only lose their parent here.
    for (TMenuItem* child : items_)
        child->parent_ = nullptr;
    items_.clear();
    ws_.reset();
}

void TMenuItem::SetCaption(const AnsiString& c) {
    caption_ = c;
    ws_->Changed();
}

void TMenuItem::SetChecked(bool c) {
    checked_ = c;
    ws_->Changed();
}

void TMenuItem::SetVisible(bool v) {
    visible_ = v;
    ws_->Changed();
}

void TMenuItem::SetEnabled(bool e) {
    enabled_ = e;
    ws_->Changed();
}

void TMenuItem::Add(TMenuItem* item) {
    if (!item) return;
    for (const TMenuItem* p = this; p; p = p->parent_)
        if (p == item) throw Exception("A menu item cannot be placed inside itself");
    if (item->parent_) {
        auto& old = item->parent_->items_;
        old.erase(std::remove(old.begin(), old.end(), item), old.end());
    }
    items_.push_back(item);
    item->parent_ = this;
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* root = this;
    while (root->parent_)
        root = root->parent_;
    return root->menu_;
}

void TMenuItem::Click() {
    // A disabled item cannot be chosen. The check mark is the program's business.
    if (!enabled_) return;
    RunGuarded([this] {
        if (OnClick) OnClick(this);
    });
}

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), root_(nullptr) {
    root_.menu_ = this;
}

void TPopupMenu::Popup(int X, int Y) {
    lastPopup_ = TPoint(X, Y);
    ++popupCount_;
    Items()->WS()->Popup(X, Y);
}
