// Internal to the layer: what forms, the application and the screen ask of the toolkit, and what
// the toolkit reports back about windows.
//
// A form keeps its properties and the rules of showing, closing and modal running. Its backend
// object is a TWSControl like every control's and a TWSForm besides: it keeps the top-level
// window (frame, window flags, the nested event loop of ShowModal) and reports the user's actions
// on the window through the calls at the end of this header.
#pragma once

#include "winlib/Graphics.h"
#include "winlib/UITypes.h"
#include "winlib/widgetset/WSControls.h"

#include <functional>
#include <memory>
#include <vector>

class TControl;
class TForm;
class TWinControl;

class TWSForm {
  public:
    TWSForm() = default;
    virtual ~TWSForm() = default;
    TWSForm(const TWSForm&) = delete;
    TWSForm& operator=(const TWSForm&) = delete;

    // The window is on the screen (also while minimised).
    virtual bool Showing() const = 0;
    // The window is the one that takes the keyboard.
    virtual bool IsActiveWindow() const = 0;
    virtual TWindowState WindowState() const = 0;
    // On a hidden window the state takes effect when it is shown.
    virtual void ApplyWindowState(TWindowState s) = 0;
    // The frame bounds while the window was last in the normal state.
    virtual TRect NormalBounds() const = 0;
    // The client area is inset by w pixels on every side.
    virtual void ApplyBorderWidth(int w) = 0;
    // The frame and its buttons follow the border style; fsStayOnTop keeps the window above others.
    virtual void ApplyWindowStyle(TFormBorderStyle Border, TFormStyle Style) = 0;
    // 1.0 is opaque.
    virtual void ApplyOpacity(double Opacity) = 0;
    virtual void ApplyMinimumSize(int w, int h) = 0;
    // Moves the window to the centre of the area (frame bounds); the size stays as asked for.
    virtual void CenterOn(const TRect& Area) = 0;

    // The control whose window has the keyboard focus, when that is inside this window; else null.
    virtual TControl* FocusedControl() const = 0;
    // Keeps the control without owning it: RememberedActiveControl answers null once the control's
    // window is gone.
    virtual void RememberActiveControl(TWinControl* c) = 0;
    virtual TWinControl* RememberedActiveControl() const = 0;

    // The window blocks input to the application's other windows while it is shown.
    virtual void ApplyModal(bool Modal) = 0;
    // The nested event loop of ShowModal: it exists from Begin to End; Run returns once Exit is
    // called while it runs.
    virtual void BeginModalLoop() = 0;
    virtual void RunModalLoop() = 0;
    virtual void ExitModalLoop() = 0;
    virtual void EndModalLoop() = 0;

    // Deletes the form once the event being handled is over, unless it is gone by then.
    virtual void FreeLater() = 0;

    // Visibility requests are ignored until the form's constructor has finished.
    bool ready = false;
};

namespace ws {

// The form's top-level window, hidden. The object returned is a TWSForm too.
std::unique_ptr<TWSControl> CreateForm(TForm* Form);

// Makes sure the toolkit's application exists, made with the program's arguments if need be.
void EnsureToolkit();
// Creates the toolkit's application with these arguments unless one exists; either way closing
// the last window does not end the program.
void StartToolkit(const std::vector<AnsiString>& Args);
bool ToolkitStarted();
// Runs End from the message loop when SIGTERM, SIGHUP or SIGINT arrives or the desktop session
// ends. Only the first call takes effect, and only once the toolkit has started.
void WatchEndOfSession(std::function<void()> End);
// True from the moment such a signal or session end comes until End has run.
bool EndOfSessionPending();
// Every window shows this icon, given in several sizes; pixels of MaskColor are transparent.
void SetApplicationIcon(const std::vector<TBitmap*>& Sizes, TColor MaskColor);
// The main message loop: Run returns once Quit is called (Quit also ends the loops nested in it).
void RunMainLoop();
void QuitMainLoop();
// Handles the events waiting now, without waiting for more.
void ProcessEvents();
// The same without the user's input: keys and clicks stay queued for the message loop.
void ProcessEventsExceptInput();
// Between HoldCalls and the matching ReleaseCalls (long work under way) the calls of CallLater
// and RunUnlessHeld wait; once the outermost hold is released they run from the message loop,
// in the order they came.
void HoldCalls();
void ReleaseCalls();
// Runs Call now, or, while calls are held, once they are released.
void RunUnlessHeld(std::function<void()> Call);

// A screen's whole area and its work area (the area less its panels and docks).
struct TScreenArea {
    TRect Bounds, WorkArea;
};
// Every screen, the primary one first.
std::vector<TScreenArea> ScreenAreas();
TRect PrimaryScreenRect();
int PrimaryScreenDepth();          // bits per pixel
double PrimaryScreenRefreshRate(); // in Hz; 0 when the screen does not say
std::vector<AnsiString> FontFamilies();
// The form whose window is the active one, or null.
TForm* ActiveForm();
TPoint CursorPos();
// Shows Cursor over every window of the program (crDefault: each window's own again).
void ShowScreenCursor(TCursor Cursor);

} // namespace ws

// What the user did to a form's window, reported by the toolkit's side.
namespace wsevents {
// The window's close button or the window manager asked the window to close.
void CloseRequested(TForm* Form);
// The window became the active one (Active) or stopped being it.
void ActivationChanged(TForm* Form, bool Active);
// Return (13) or Escape (27) that no control took, pressed while Focused had the focus: runs the
// matching button of the form. Returns false when the form has no use for the key.
bool DialogKey(TForm* Form, TControl* Focused, char Key);
} // namespace wsevents
