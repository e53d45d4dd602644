// Internal to the layer: what menu items ask of the toolkit, and what the toolkit reports back.
//
// Each TMenuItem owns one TWSMenuItem, made by the toolkit's side. The item keeps its caption,
// state and sub-items and the rules of its click; the TWSMenuItem keeps what shows the item in
// the toolkit's menus and reports the user's choices through the calls at the end of this header.
#pragma once

class TMenuItem;

#include <memory>

class TWSMenuItem {
  public:
    explicit TWSMenuItem(TMenuItem* Item) : item_(Item) {}
    virtual ~TWSMenuItem() = default;
    TWSMenuItem(const TWSMenuItem&) = delete;
    TWSMenuItem& operator=(const TWSMenuItem&) = delete;

    TMenuItem* Item() const { return item_; }

    // The item's caption, visibility, enabling or check mark changed.
    virtual void Changed() = 0;
    // Opens a menu of the item's visible sub-items at a screen point and returns at once.
    virtual void Popup(int X, int Y) = 0;

  private:
    TMenuItem* item_;
};

namespace ws {
std::unique_ptr<TWSMenuItem> CreateMenuItem(TMenuItem* Item);
} // namespace ws

// What the user did in a menu, reported by the toolkit's side.
namespace wsevents {
// The user chose the item: it runs OnClick as Click does.
void MenuItemChosen(TMenuItem* Item);
// The mouse or the keyboard highlighted the item: its hint becomes the application's.
void MenuItemHighlighted(TMenuItem* Item);
// A menu closed: the application's hint is cleared.
void MenuClosed();
} // namespace wsevents
