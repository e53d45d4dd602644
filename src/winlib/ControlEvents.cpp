// The user's actions on controls, as the toolkit reports them, turned into the controls' handlers.
#include "widgetset/WSControls.h"

#include "Forms.h"

namespace {
// The one control of the application that has been entered and not yet left. Each enter is
// answered by exactly one exit, whichever way the focus came and went (a menu in between, a
// focus set by a handler while the window was inactive).
TControl* enteredControl = nullptr;

// The long part of a hint ("short|long"), which is what the status bar shows.
AnsiString LongHint(const AnsiString& h) {
    auto bar = h.find('|');
    return bar == AnsiString::npos ? h : h.substr(bar + 1);
}

// The hint of the control or of its nearest parent that has one.
AnsiString HintFor(TControl* c) {
    for (; c; c = c->Parent())
        if (!c->Hint().empty()) return c->Hint();
    return AnsiString();
}
} // namespace

namespace wsevents {

void MouseDown(TControl* c, TMouseButton Button, TShiftState Shift, int X, int Y) {
    RunGuarded([&] {
        if (c->OnMouseDown) TMouseEvent(c->OnMouseDown)(c, Button, Shift, X, Y);
    });
}

void DoubleClick(TControl* c, TMouseButton Button, TShiftState Shift, int X, int Y) {
    RunGuarded([&] {
        Fire(c->OnDblClick, c);
        if (c->OnMouseDown) TMouseEvent(c->OnMouseDown)(c, Button, Shift | ssDouble, X, Y);
    });
}

void MouseUp(TControl* c, TMouseButton Button, TShiftState Shift, int X, int Y, bool Clicked) {
    RunGuarded([&] {
        if (Clicked) Fire(c->OnClick, c);
        if (c->OnMouseUp) TMouseEvent(c->OnMouseUp)(c, Button, Shift, X, Y);
    });
}

void MouseMove(TControl* c, TShiftState Shift, int X, int Y) {
    RunGuarded([&] {
        if (c->OnMouseMove) TMouseMoveEvent(c->OnMouseMove)(c, Shift, X, Y);
    });
}

void MouseEntered(TControl* c) {
    if (Application) {
        // Entering a control whose hint is the one shown changes nothing, so what the status
        // bars show stays.
        const AnsiString h = LongHint(HintFor(c));
        RunGuarded([&] { Application->SetHint(h); });
    }
    RunGuarded([&] { Fire(c->OnMouseEnter, c); });
}

void MouseLeft(TControl* c) {
    RunGuarded([&] { Fire(c->OnMouseLeave, c); });
}

void FocusEntered(TControl* c) {
    if (enteredControl == c) return;
    if (enteredControl) FocusLeft(enteredControl);
    enteredControl = c;
    if (auto* wc = dynamic_cast<TWinControl*>(c)) RunGuarded([&] { Fire(wc->OnEnter, wc); });
}

void FocusLeft(TControl* c) {
    if (enteredControl != c) return;
    enteredControl = nullptr;
    if (auto* wc = dynamic_cast<TWinControl*>(c)) RunGuarded([&] { Fire(wc->OnExit, wc); });
}

char KeyPress(TWinControl* c, char Key) {
    char k = Key;
    if (c->OnKeyPress) RunGuarded([&] { TKeyPressEvent(c->OnKeyPress)(c, k); });
    return k;
}

void ClientSizeMaybeChanged(TControl* c, bool ByUser) {
    TWSControl* ws = c->WS();
    if (!ws) return;
    int w = ws->ClientWidth(), h = ws->ClientHeight();
    if (w == ws->knownWidth && h == ws->knownHeight) return;
    ws->knownWidth = w;
    ws->knownHeight = h;
    auto* wc = dynamic_cast<TWinControl*>(c);
    if (!wc) return;
    wc->Realign();
    if (ByUser)
        RunGuarded([&] { Fire(wc->OnResize, wc); });
    else
        Fire(wc->OnResize, wc);
}

void ControlDestroyed(TControl* c) {
    if (enteredControl == c) enteredControl = nullptr;
}

} // namespace wsevents
