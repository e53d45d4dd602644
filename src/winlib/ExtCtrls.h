// Panels, paint boxes, images, the control bar, radio groups, scroll boxes, spin buttons and
// the colour list.
#pragma once

#include "StdCtrls.h"

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

class TPanel : public TWinControl {
  public:
    explicit TPanel(TComponent* AOwner);
    void SetColor(TColor c) override; // the colour is a stored value of the program; runs no handler
    TBevelCut BevelInner() const { return bevelInner_; }
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelInner(TBevelCut b);
    void SetBevelOuter(TBevelCut b);
    TCanvas* Canvas();
    TNotifyEvent OnPaint; // after the panel's own painting

  private:
    TBevelCut bevelInner_ = bvNone, bevelOuter_ = bvRaised;
};

// The canvas draws into a backing image shown on screen at the next paint. Drawing on the
// canvas from inside OnPaint never schedules another paint, so a paint handler that draws
// cannot loop.
class TPaintBox : public TGraphicControl {
  public:
    explicit TPaintBox(TComponent* AOwner);
    TCanvas* Canvas();
    // Runs OnPaint as the window system would (tests use it).
    void Paint();
    TNotifyEvent OnPaint;
};

class TImage : public TGraphicControl {
  public:
    explicit TImage(TComponent* AOwner);
    TPicture* Picture() { return &picture_; }
    void PictureChanged();
    bool Stretch() const { return stretch_; }
    void SetStretch(bool s);
    bool Center() const { return center_; }
    void SetCenter(bool c);

  private:
    TPicture picture_;
    bool stretch_ = false, center_ = false;
};

// Bars are bands that the user can move; their Top/Left are the band positions.
class TControlBar : public TWinControl {
  public:
    explicit TControlBar(TComponent* AOwner);
    TCanvas* Canvas();
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool a) { autoSize_ = a; }
    TNotifyEvent OnPaint;
    std::function<void(TObject* Sender, TControl* Control, TCanvas* Canvas, TRect& ARect, uint8_t& Options)>
        OnBandPaint;

  private:
    bool autoSize_ = true;
};

class TRadioGroup : public TWinControl {
  public:
    explicit TRadioGroup(TComponent* AOwner);
    int ItemCount() const { return static_cast<int>(items_.size()); }
    const AnsiString& Item(int i) const { return items_.at(i); }
    void SetItems(const std::vector<AnsiString>& items);
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int i); // runs no handler
    int Columns() const { return columns_; }
    void SetColumns(int c);
    void UserSelect(int i); // a user's choice: runs OnClick

  private:
    std::vector<AnsiString> items_;
    int itemIndex_ = -1;
    int columns_ = 1;
};

struct TControlScrollBar {
    int Range = 0;
    int Position = 0;
    bool Visible = true;
};

class TScrollBox : public TWinControl {
  public:
    explicit TScrollBox(TComponent* AOwner);
    int HorzRange() const;
    int VertRange() const;
    void SetHorzRange(int r);
    void SetVertRange(int r);
    int HorzPosition() const;
    int VertPosition() const;
    void SetHorzPosition(int p); // clamped to the range that can be scrolled
    void SetVertPosition(int p);
    bool AutoScroll() const { return autoScroll_; }
    void SetAutoScroll(bool a);
    TMouseWheelEvent OnMouseWheel;

  private:
    bool autoScroll_ = true;
};

// A spin button with an upper and a lower half and no associated edit.
class TCSpinButton : public TWinControl {
  public:
    explicit TCSpinButton(TComponent* AOwner);
    void UserClickUp(); // simulate a user's click on the upper half
    void UserClickDown();
    TNotifyEvent OnUpClick;
    TNotifyEvent OnDownClick;
};

// A list of the standard and extended colours with their names.
class TColorListBox : public TWinControl {
  public:
    explicit TColorListBox(TComponent* AOwner);
    int ItemCount() const;
    TColor Colors(int i) const;
    AnsiString ColorNames(int i) const;
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int i);
    TColor Selected() const;
    void SetSelected(TColor c); // selects the entry of that colour when listed
    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int h) { itemHeight_ = h; }

  private:
    int itemIndex_ = -1;
    int itemHeight_ = 16;
};
