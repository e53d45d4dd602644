// Controls of the window-library layer. Values put into a control from code behave as a user's
// change does: an edit, check box, radio button, track bar or up-down runs its change or
// click handler at once, nested, when the value differs; a combo box's index, a panel's
// colour, a font or a menu check mark runs none. A user's change runs the same handlers.
// Exceptions that escape a handler run by a user's action reach Application->HandleException.
#pragma once

#include "Graphics.h"
#include "SysUtils.h"
#include "UITypes.h"

// Raised by operations a control cannot do in its present state (focusing a hidden control).
RULIFORM_EXCEPTION(EInvalidOperation, Exception)

class TWSControl;
class TControlImpl;
class TWinControl;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char& Key)>;
using TMouseWheelEvent =
    std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;
// Draws on the parent's canvas, in the parent's client coordinates.
using TParentPaintEvent = std::function<void(TCanvas* ParentCanvas)>;

class TControl : public TComponent {
  public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* p);

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetLeft(int v);
    void SetTop(int v);
    void SetWidth(int v);
    void SetHeight(int v);
    void SetBounds(int l, int t, int w, int h);
    int ClientWidth() const;
    int ClientHeight() const;
    void SetClientWidth(int v);
    void SetClientHeight(int v);
    TRect ClientRect() const;    // (0, 0, ClientWidth, ClientHeight)
    TPoint ClientOrigin() const; // screen position of the client area's corner
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;
    TAlign Align() const { return align_; }
    void SetAlign(TAlign a);

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool v);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const;
    void SetEnabled(bool e);
    virtual AnsiString Caption() const { return caption_; }
    virtual void SetCaption(const AnsiString& c);
    const AnsiString& Hint() const { return hint_; }
    void SetHint(const AnsiString& h);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool s) { showHint_ = s; }
    TColor Color() const { return color_; }
    virtual void SetColor(TColor c); // runs no handler
    TFont* Font() { return &font_; }
    bool DoubleBuffered() const { return doubleBuffered_; }
    void SetDoubleBuffered(bool d) { doubleBuffered_ = d; }
    void Invalidate();
    void Repaint();
    void Update() { Repaint(); }
    void BringToFront();
    // Drawing of the program on the parent's surface around this control (a focus frame). The
    // parent runs it after its own painting at every paint, over its labels and images but under
    // its controls that have a window of their own (edits, buttons), so it stays
    // while the parent repaints, resizes or scrolls; an empty function takes it away and the
    // parent shows its own background there again. It also goes when the control leaves the
    // parent or is destroyed, and when the program hides the parent (its window or page); it is
    // not drawn while the control is hidden.
    void SetParentOverlay(TParentPaintEvent Paint);
    bool HasParentOverlay() const;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

    // Simulates a user's click (tests and keyboard activation use it): runs OnClick as a user would.
    virtual void Click();

    // The toolkit's side of the control. WS() is what the layer's own rules use; Impl() is the
    // same object as the toolkit's class, complete only where the toolkit is (winlib/qt/).
    TWSControl* WS() const { return impl_.get(); }
    TControlImpl* Impl() const;

  protected:
    // Each concrete control creates its window here; the base applies bounds, font and colour.
    void SetImpl(std::unique_ptr<TWSControl> impl);
    virtual void FontChanged();

  private:
    std::unique_ptr<TWSControl> impl_;
    TWinControl* parent_ = nullptr;
    TAlign align_ = alNone;
    bool visible_ = true;
    bool showHint_ = false;
    bool doubleBuffered_ = false;
    AnsiString caption_, hint_;
    TColor color_ = clBtnFace;
    TFont font_;
};

class TWinControl : public TControl {
  public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override; // the children stay alive, without a parent
    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int i) const { return controls_.at(i); }
    void SetFocus(); // EInvalidOperation when the control cannot take the focus (hidden, disabled)
    bool Focused() const;
    bool CanFocus() const;
    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int t) { tabOrder_ = t; }
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool t) { tabStop_ = t; }
    // Lays out the children whose Align is not alNone (called after size changes).
    void Realign();

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnResize;

  private:
    friend class TControl;
    std::vector<TControl*> controls_;
    int tabOrder_ = 0;
    bool tabStop_ = true;
    bool destroying_ = false; // its destructor is letting its children go
};

// A rectangle of the screen that the program paints on through a canvas.
class TGraphicControl : public TControl {
  public:
    explicit TGraphicControl(TComponent* AOwner) : TControl(AOwner) {}
};
