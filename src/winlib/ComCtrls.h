// Common controls: up-downs, track bars, page controls, tool bars and the status bar.
#pragma once

#include "StdCtrls.h"

class TMainMenu;
class TAction;
class TImageList;

enum TUDBtnType { btNext, btPrev };
using TUDClickEvent = std::function<void(TObject* Sender, TUDBtnType Button)>;

// An up-down shows its position as the text of its associated edit. Setting the position
// writes that text (which runs the edit's OnChange when it differs); the up-down's own OnClick
// runs only on a user's click. The position is read back from the edit's text, so what the
// user typed counts.
class TUpDown : public TWinControl {
  public:
    explicit TUpDown(TComponent* AOwner);
    TEdit* Associate() const { return associate_; }
    void SetAssociate(TEdit* e); // places the up-down at the edit's right edge and shows the position
    int Min() const { return min_; }
    int Max() const { return max_; }
    void SetMin(int m);
    void SetMax(int m);
    // The edit's text read as a whole number and clamped to Min..Max; the last position when
    // the text is not a number.
    int Position() const;
    void SetPosition(int p); // clamped to Min..Max
    int Increment() const { return increment_; }
    void SetIncrement(int i) { increment_ = i; }
    // Simulates a user's click on the upper (btNext) or lower (btPrev) half.
    void UserClick(TUDBtnType Button);

    TUDClickEvent OnClick;

  private:
    TEdit* associate_ = nullptr;
    int min_ = 0, max_ = 100, position_ = 0, increment_ = 1;
};

enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };
enum TTrackBarOrientation { trHorizontal, trVertical };
// Where a track bar shows its position while its thumb is dragged.
enum TPositionToolTip { ptNone, ptTop, ptLeft, ptBottom, ptRight };

class TTrackBar : public TWinControl {
  public:
    explicit TTrackBar(TComponent* AOwner);
    int Min() const { return min_; }
    int Max() const { return max_; }
    void SetMin(int m); // a clamped position runs OnChange
    void SetMax(int m);
    int Position() const { return position_; }
    void SetPosition(int p); // clamped; runs OnChange when the position changes
    int PageSize() const { return pageSize_; }
    void SetPageSize(int p) { pageSize_ = p; }
    int LineSize() const { return lineSize_; }
    void SetLineSize(int l) { lineSize_ = l; }
    int Frequency() const { return frequency_; }
    void SetFrequency(int f);
    void SetTickMarks(TTickMark t);
    void SetOrientation(TTrackBarOrientation o);
    void SetThumbLength(int) {}
    TPositionToolTip PositionToolTip() const { return positionToolTip_; }
    void SetPositionToolTip(TPositionToolTip t) { positionToolTip_ = t; }

    TNotifyEvent OnChange;

  private:
    int min_ = 0, max_ = 10, position_ = 0, pageSize_ = 2, lineSize_ = 1, frequency_ = 1;
    TPositionToolTip positionToolTip_ = ptNone;
};

class TPageControl;

class TTabSheet : public TWinControl {
  public:
    explicit TTabSheet(TComponent* AOwner);
    ~TTabSheet() override;                   // leaves its page control
    void SetParent(TWinControl* p) override; // a page control as parent makes the sheet its page
    TPageControl* PageControl() const { return pageControl_; }
    void SetPageControl(TPageControl* pc); // appends the sheet to pc's pages
    int PageIndex() const;
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool v);
    void SetCaption(const AnsiString& c) override;

    TNotifyEvent OnShow; // runs when the sheet becomes the active page, by code or by the user

  private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
    bool tabVisible_ = true;
};

enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
using TDrawTabEvent = std::function<void(TObject* Control, int TabIndex, const TRect& Rect, bool Active)>;

class TPageControl : public TWinControl {
  public:
    explicit TPageControl(TComponent* AOwner);
    ~TPageControl() override;
    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Pages(int i) const { return pages_.at(i); }
    // Page index, counted over all pages including those whose tab is hidden; -1 = none.
    int ActivePageIndex() const { return activeIndex_; }
    // Runs no OnChange; the new page's OnShow runs. An index out of range shows no page (-1).
    void SetActivePageIndex(int i);
    TTabSheet* ActivePage() const { return activeIndex_ >= 0 ? pages_[activeIndex_] : nullptr; }
    void SetActivePage(TTabSheet* s);
    TTabPosition TabPosition() const { return tabPosition_; }
    void SetTabPosition(TTabPosition p);
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool m) { multiLine_ = m; }
    bool OwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool o);
    TCanvas* Canvas(); // OnDrawTab draws on it
    // Simulates the user choosing page i by its tab: the page shows (OnShow), then OnChange.
    void UserSelectPage(int i);

    TNotifyEvent OnChange; // only on a user's change of page
    TDrawTabEvent OnDrawTab;

  private:
    friend class TTabSheet;
    void AddPage(TTabSheet* s);
    std::vector<TTabSheet*> pages_;
    int activeIndex_ = -1;
    TTabPosition tabPosition_ = tpTop;
    bool multiLine_ = false, ownerDraw_ = false;
};

class TToolBar;

class TToolButton : public TGraphicControl {
  public:
    // The size of a button without a caption; a bar lays out captioned buttons wider as needed.
    static constexpr int DefaultWidth = 23, DefaultHeight = 22;

    explicit TToolButton(TComponent* AOwner);
    ~TToolButton() override;                 // leaves its tool bar
    void SetParent(TWinControl* p) override; // appends the button to a tool bar
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int i); // the image of the bar's image list shown beside the caption
    TAction* Action() const { return action_; }
    void SetAction(TAction* a); // the button runs the action's OnExecute and takes its caption
    bool Down() const { return down_; }
    void SetDown(bool d);
    void Click() override;

  private:
    int imageIndex_ = -1;
    TAction* action_ = nullptr;
    bool down_ = false;
};

using TToolBarCustomDrawEvent = std::function<void(TToolBar* Sender, const TRect& ARect, bool& DefaultDraw)>;
enum : uint8_t { cdsSelected = 1, cdsHot = 2, cdsChecked = 4, cdsDisabled = 8 };
using TCustomDrawState = uint8_t;
using TToolBarCustomDrawButtonEvent =
    std::function<void(TToolBar* Sender, TToolButton* Button, TCustomDrawState State, bool& DefaultDraw)>;

class TToolBar : public TWinControl {
  public:
    explicit TToolBar(TComponent* AOwner);
    ~TToolBar() override; // the bar stops laying out while its controls leave it
    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    TToolButton* Buttons(int i) const { return buttons_.at(i); }
    bool ShowCaptions() const { return showCaptions_; }
    void SetShowCaptions(bool s);
    // Shows the menu's top-level items as captioned buttons that open their sub-menus.
    void SetMenu(TMainMenu* m);
    TMainMenu* Menu() const { return menu_; }
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* l); // not owned
    // The bar's width follows its row of buttons, so that every caption shows whole.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool a);
    TCanvas* Canvas();

    TToolBarCustomDrawEvent OnCustomDraw;
    TToolBarCustomDrawButtonEvent OnCustomDrawButton;

  private:
    friend class TToolButton;
    std::vector<TToolButton*> buttons_;
    bool showCaptions_ = false;
    bool autoSize_ = false;
    TMainMenu* menu_ = nullptr;
    TImageList* images_ = nullptr;
};

enum TStatusPanelStyle { psText, psOwnerDraw };

class TStatusBar;

struct TStatusPanel {
    int Width = 50;
    AnsiString Text;
    TStatusPanelStyle Style = psText;
};

using TDrawPanelEvent = std::function<void(TStatusBar* StatusBar, TStatusPanel* Panel, const TRect& Rect)>;

class TStatusBar : public TWinControl {
  public:
    explicit TStatusBar(TComponent* AOwner);
    ~TStatusBar() override; // stops showing the application's hint
    int PanelCount() const { return static_cast<int>(panels_.size()); }
    TStatusPanel* Panels(int i) { return &panels_.at(i); }
    TStatusPanel* AddPanel();
    // Shows changed panel texts and widths (the panels are plain data).
    void PanelsChanged();
    TCanvas* Canvas(); // OnDrawPanel draws on it
    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool s);
    bool AutoHint() const { return autoHint_; }
    void SetAutoHint(bool a) { autoHint_ = a; }
    // The text shown across the bar while SimplePanel is set (or when there are no panels).
    const AnsiString& SimpleText() const { return simpleText_; }
    void SetSimpleText(const AnsiString& t);

    TDrawPanelEvent OnDrawPanel;

  private:
    std::vector<TStatusPanel> panels_;
    AnsiString simpleText_;
    bool simplePanel_ = false, autoHint_ = true;
};
