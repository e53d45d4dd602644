// What a control shows on the screen: its client surface rendered with its children, and
// waiting for the window system to settle on a condition (never for a fixed time).
#pragma once

#include "winlib/qt/ControlImpl.h"
#include "winlib/Forms.h"

#include "EventWait.h"

#include <QApplication>
#include <QColor>
#include <QImage>

#include <functional>

// The control's client area as painted now, in its client coordinates.
inline QImage GrabClient(const TControl* c) {
    QWidget* w = c->Impl()->ClientWidget();
    const QPoint off = c->Impl()->ChildOffset();
    return w->grab().toImage().copy(off.x(), off.y(), w->width() - off.x(), w->height() - off.y());
}

inline QColor Rgb(int r, int g, int b) {
    return QColor(r, g, b);
}

// Processes events until the condition holds; false when it still does not after a generous
// deadline.
inline bool WaitUntil(const std::function<bool()>& condition) {
    return eventwait::Until(condition);
}

// Shows the form and makes it the active window, so that focus moves inside it are real.
inline bool ShowActive(TForm* form) {
    form->Show();
    QWidget* w = form->Impl()->Widget();
    QApplication::setActiveWindow(w);
    return WaitUntil([w] { return QApplication::activeWindow() == w; });
}

// Gives the control the focus and waits until it has it.
inline bool FocusOn(TWinControl* c) {
    c->SetFocus();
    return WaitUntil([c] { return c->Focused(); });
}
