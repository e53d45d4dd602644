// The menu item tree of main and pop-up menus.
#include "winlib/Forms.h"
#include "MenuItemImpl.h"
#include "winlib/SysUtils.h"

#include <algorithm>

using winlib::MenuItemImpl;

namespace {
MenuItemImpl* ImplOf(const TMenuItem* item) {
    return static_cast<MenuItemImpl*>(item->Impl());
}
} // namespace

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {
    impl_ = winlib::NewMenuItemImpl(this);
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
    winlib::DeleteMenuItemImpl(ImplOf(this));
    impl_ = nullptr;
}

void TMenuItem::SetCaption(const AnsiString& c) {
    caption_ = c;
    winlib::SyncMenuItem(ImplOf(this));
}

void TMenuItem::SetChecked(bool c) {
    checked_ = c;
    winlib::SyncMenuItem(ImplOf(this));
}

void TMenuItem::SetVisible(bool v) {
    visible_ = v;
    winlib::SyncMenuItem(ImplOf(this));
}

void TMenuItem::SetEnabled(bool e) {
    enabled_ = e;
    winlib::SyncMenuItem(ImplOf(this));
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

void TMenuItem::Click() {
    // A disabled item cannot be chosen. The check mark is the program's business.
    if (!enabled_) return;
    RunGuarded([this] {
        if (OnClick) OnClick(this);
    });
}

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), root_(nullptr) {
    ImplOf(&root_)->menu = this;
}

void TPopupMenu::Popup(int X, int Y) {
    lastPopup_ = TPoint(X, Y);
    ++popupCount_;
    winlib::PopupMenuAt(Items(), X, Y);
}
