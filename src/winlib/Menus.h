// Main and pop-up menus. A menu item's check mark is set by the program only; a click runs
// OnClick and never toggles the mark by itself.
#pragma once

#include "Controls.h"

class TImageList;
class TMenu;
class TMenuItem;
class TWSMenuItem;
using TAdvancedMenuDrawItemEvent =
    std::function<void(TObject* Sender, TCanvas* ACanvas, const TRect& ARect, uint8_t State)>;

class TMenuItem : public TComponent {
  public:
    explicit TMenuItem(TComponent* AOwner);
    ~TMenuItem() override;
    const AnsiString& Caption() const { return caption_; }
    void SetCaption(const AnsiString& c); // "-" makes a separator
    bool Checked() const { return checked_; }
    void SetChecked(bool c); // runs no handler
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool e);
    const AnsiString& Hint() const { return hint_; }
    void SetHint(const AnsiString& h) { hint_ = h; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int i) { imageIndex_ = i; }
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int i) const { return items_.at(i); }
    void Add(TMenuItem* item); // appends a sub-item
    TMenuItem* Parent() const { return parent_; }
    TMenu* GetParentMenu() const; // the menu component the item belongs to, or null
    void Click();                 // runs OnClick as a user's choice would (guarded; nothing when disabled)

    TNotifyEvent OnClick;
    // Used while the menu is owner-drawn; State holds odSelected and odDisabled.
    TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;

    // The toolkit's side of the item.
    TWSMenuItem* WS() const { return ws_.get(); }

  private:
    friend class TMenu;
    AnsiString caption_, hint_;
    bool checked_ = false, visible_ = true, enabled_ = true;
    int imageIndex_ = -1;
    std::vector<TMenuItem*> items_;
    TMenuItem* parent_ = nullptr;
    TMenu* menu_ = nullptr; // set on the root item of a menu component
    std::unique_ptr<TWSMenuItem> ws_;
};

class TMenu : public TComponent {
  public:
    explicit TMenu(TComponent* AOwner);
    TMenuItem* Items() { return &root_; }
    bool OwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool o) { ownerDraw_ = o; }
    // The list whose image ImageIndex names beside each item the menu draws itself (not
    // owned). An owner-drawn item draws what it likes.
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* l) { images_ = l; }

  private:
    TMenuItem root_;
    bool ownerDraw_ = false;
    TImageList* images_ = nullptr;
};

class TMainMenu : public TMenu {
  public:
    explicit TMainMenu(TComponent* AOwner) : TMenu(AOwner) {}
};

class TPopupMenu : public TMenu {
  public:
    explicit TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {}
    void Popup(int X, int Y);                            // at screen coordinates; returns at once
    TPoint LastPopupPoint() const { return lastPopup_; } // for tests
    int PopupCount() const { return popupCount_; }

  private:
    TPoint lastPopup_;
    int popupCount_ = 0;
};

class TAction : public TComponent {
  public:
    explicit TAction(TComponent* AOwner) : TComponent(AOwner) {}
    const AnsiString& Caption() const { return caption_; }
    void SetCaption(const AnsiString& c) { caption_ = c; }
    const AnsiString& Hint() const { return hint_; }
    void SetHint(const AnsiString& h) { hint_ = h; }
    bool Execute(); // runs OnExecute; false when none is assigned
    TNotifyEvent OnExecute;

  private:
    AnsiString caption_, hint_;
};

class TActionList : public TComponent {
  public:
    explicit TActionList(TComponent* AOwner) : TComponent(AOwner) {}
};
