// Internal to the layer: what a control asks of the toolkit, and what the toolkit reports back.
//
// Each TControl owns one TWSControl, made by the toolkit's side when the control is built. The
// control keeps its properties and the rules of its events; the TWSControl keeps the window that
// shows it (bounds, visibility, focus) and reports the user's actions through the calls at the
// end of this header, which run the control's handlers.
#pragma once

#include "winlib/Graphics.h"
#include "winlib/UITypes.h"

class TControl;
class TWinControl;

class TWSControl {
  public:
    explicit TWSControl(TControl* control) : control_(control) {}
    virtual ~TWSControl() = default;
    TWSControl(const TWSControl&) = delete;
    TWSControl& operator=(const TWSControl&) = delete;

    TControl* Control() const { return control_; }

    // Geometry in the parent's client coordinates.
    virtual TRect Bounds() const = 0;
    virtual void ApplyBounds(int l, int t, int w, int h) = 0;
    virtual int ClientWidth() const = 0;
    virtual int ClientHeight() const = 0;
    virtual void SetClientSize(int w, int h) = 0;
    // The rectangle aligned children share (inside borders and captions).
    virtual TRect AlignRect() const = 0;
    virtual TPoint ClientToScreen(TPoint p) const = 0;
    virtual TPoint ScreenToClient(TPoint p) const = 0;

    // Visual state follows the control's properties.
    virtual void ApplyVisible(bool v) = 0;
    virtual void ApplyCaption(const AnsiString& c) = 0;
    virtual void ApplyColor(TColor c) = 0;
    virtual void ApplyFont(const TFont& f) = 0;
    virtual void ApplyEnabled(bool e) = 0;
    // The control's window moves into the client area of Parent's (null: into none).
    virtual void PlaceIn(TWSControl* Parent) = 0;
    // A child was added, removed, moved, resized, shown or hidden.
    virtual void ChildChanged(TControl*) {}

    virtual void Invalidate() = 0;
    virtual void Repaint() = 0;
    virtual void BringToFront() = 0;
    virtual void TakeFocus() = 0;
    virtual bool HasFocus() const = 0;
    // The focus, when it is inside this control's window, leaves it without running OnExit:
    // the window is being taken apart.
    virtual void DropFocusQuietly() = 0;

    bool enabled = true;
    // Controls whose window has no click of its own run OnClick from a press and release inside.
    bool genericClick = false;
    // Set while the program writes a value into the window; the window's own signals are ignored.
    int programWrites = 0;
    // Set while Realign places the children, so their bounds changes do not realign again.
    int aligning = 0;
    // The client size the layout last saw; a real change realigns the children and runs OnResize.
    int knownWidth = -1, knownHeight = -1;

  private:
    TControl* control_;
};

// What the user did to a control, reported by the toolkit's side. Each runs the control's
// handlers; an exception escaping a handler reaches Application->HandleException.
namespace wsevents {
void MouseDown(TControl* Control, TMouseButton Button, TShiftState Shift, int X, int Y);
// A double click runs OnDblClick and then OnMouseDown with ssDouble.
void DoubleClick(TControl* Control, TMouseButton Button, TShiftState Shift, int X, int Y);
// Clicked: a left press and release inside a control without a click of its own.
void MouseUp(TControl* Control, TMouseButton Button, TShiftState Shift, int X, int Y, bool Clicked);
void MouseMove(TControl* Control, TShiftState Shift, int X, int Y);
// The mouse entered the control: its hint (or its nearest parent's) becomes the application's.
void MouseEntered(TControl* Control);
void MouseLeft(TControl* Control);
// The focus came to or left the control's window. Each enter is answered by exactly one exit.
void FocusEntered(TControl* Control);
void FocusLeft(TControl* Control);
// A typed character (13 Return, 27 Escape, 8 Backspace) went through OnKeyPress: returns the key
// the handler left (0 = consumed). Without a handler the key comes back unchanged.
char KeyPress(TWinControl* Control, char Key);
// The window's client size may have changed (ByUser: the user or the window manager did it).
void ClientSizeMaybeChanged(TControl* Control, bool ByUser);
// The control is going away: it is no longer the one entered.
void ControlDestroyed(TControl* Control);
} // namespace wsevents
